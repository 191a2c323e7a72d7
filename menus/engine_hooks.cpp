#include "engine_hooks.h"

namespace modMenus {

HMENU BuildListPanel(cMenuItems&, UINT, int, HMENU, std::string_view, std::string_view, std::string&) {
  return nullptr;
}

HMENU BuildControlPopup(cMenuItems&, UINT, int, HMENU, int, HWND, std::string_view) { return nullptr; }

HWND FindHostControl(HWND, std::string_view) { return nullptr; }

HANDLE HostControlPicture(HWND, std::string_view) { return nullptr; }

bool DecodeMenuChoice(cMenuItems&, UINT, HMENU, LPARAM) { return false; }

void ApplyFileItem(MenuItemRecord&, std::string_view) {}

void ApplyDriveItem(MenuItemRecord&, std::string_view) {}

}  // namespace modMenus
