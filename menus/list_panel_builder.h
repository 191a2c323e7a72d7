#pragma once
// The list panels a caption asks for, as popups of the item store.
#include <windows.h>

#include <string>
#include <string_view>

namespace modMenus {

class cMenuItems;

// A generated list panel for the item (colours, months, days, states, days of a month, fonts,
// drives); the panel's popup, or nullptr.
HMENU BuildListPanel(cMenuItems& store, UINT itemId, int position, HMENU hMenu, std::string_view key,
                     std::string_view value, std::string& tip);

}  // namespace modMenus
