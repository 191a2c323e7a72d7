#pragma once
// Where the item store hands over to the engine's generated popups (list panels, popups fed from
// a host's list or combo box), to the host form's controls and to its file and drive items. This
// program's own menus use none of them; the engine offers them to any host.
#include <windows.h>

#include <string>
#include <string_view>

namespace modMenus {

class cMenuItems;
struct MenuItemRecord;

// A generated list panel for the item (colours, months, days, states, days of a month, fonts,
// drives); the panel's popup, or nullptr.
HMENU BuildListPanel(cMenuItems& store, UINT itemId, int position, HMENU hMenu, std::string_view key,
                     std::string_view value, std::string& tip);

// A popup filled from a host's list box (controlType 1) or combo box; the popup, or nullptr.
HMENU BuildControlPopup(cMenuItems& store, UINT itemId, int position, HMENU hMenu, int controlType, HWND control,
                        std::string_view block);

// The window of a host control named in a caption ("lstFiles" or "lstFiles(2)"); nullptr when none.
HWND FindHostControl(HWND form, std::string_view name);
// The picture of a host control named in a caption; nullptr when none.
HANDLE HostControlPicture(HWND form, std::string_view name);

// A choice made in a generated popup, decoded and reported; false when the command is the host's.
bool DecodeMenuChoice(cMenuItems& store, UINT index, HMENU hMenu, LPARAM lParam);

// File items ("gEXE:") and drive items ("LDrv:"): their text, image and tip from the file system.
void ApplyFileItem(MenuItemRecord& item, std::string_view folder);
void ApplyDriveItem(MenuItemRecord& item, std::string_view drive);

}  // namespace modMenus
