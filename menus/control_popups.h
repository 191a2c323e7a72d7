#pragma once
// Popups fed from a host's list box or combo box: a choice in one selects its entry in the
// control, as the user's click in the control would.
#include <string_view>

namespace modMenus {

struct MenuItemRecord;

// Selects (or, in a multiple-selection list, toggles) the entry the chosen item stands for and
// tells the control's parent that the selection changed.
void SelectControlEntry(const MenuItemRecord& item, std::string_view block);

}  // namespace modMenus
