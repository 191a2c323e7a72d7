#pragma once
// The items of generated popups that stand for a file ("gEXE:") or a drive ("LDrv:").
#include <string_view>

namespace modMenus {

struct MenuItemRecord;

// Their text, image and tip from the file system.
void ApplyFileItem(MenuItemRecord& item, std::string_view folder);
void ApplyDriveItem(MenuItemRecord& item, std::string_view drive);

}  // namespace modMenus
