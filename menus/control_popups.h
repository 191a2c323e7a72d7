#pragma once
// Popups fed from a host's list box or combo box: a choice in one selects its entry in the
// control, as the user's click in the control would.
#include <windows.h>

#include <string_view>

namespace modMenus {

class cMenuItems;
struct MenuItemRecord;

// A popup filled from a host's list box (controlType 1) or combo box; the popup, or nullptr.
HMENU BuildControlPopup(cMenuItems& store, UINT itemId, int position, HMENU hMenu, int controlType, HWND control,
                        std::string_view block);

// Selects (or, in a multiple-selection list, toggles) the entry the chosen item stands for and
// tells the control's parent that the selection changed.
void SelectControlEntry(const MenuItemRecord& item, std::string_view block);

}  // namespace modMenus
