#pragma once
// The tray menu of a running Tarnwick, reached as a user reaches it: the icon's callback as the
// shell sends it, then keys on the owner-drawn menu.
#include <windows.h>

#include <vector>

#include "key_input.h"
#include "process_driver.h"

namespace test {

// The popup menu on screen (Wine and Windows show every popup as a window of class #32768; those
// of menus that closed may stay, hidden).
inline HWND VisibleMenu() {
  for (HWND menu = FindWindowExA(nullptr, nullptr, "#32768", nullptr); menu;
       menu = FindWindowExA(nullptr, menu, "#32768", nullptr))
    if (IsWindowVisible(menu)) return menu;
  return nullptr;
}

// The icon's callback for a button release, sent as the shell sends it: handled inside the
// program's wait for its next message, not as a message of its queue.
inline void ClickIcon(HWND base) { SendNotifyMessageA(base, WM_MOUSEMOVE, 1, WM_RBUTTONUP); }

// Pops the menu up; false when it does not show. A click that comes before the program's load
// has attached the menu engine opens nothing, so an unanswered click is tried again.
inline bool OpenTrayMenu(HWND base) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    ClickIcon(base);
    if (WaitUntil([] { return VisibleMenu() != nullptr; }, 5000)) return true;
  }
  return false;
}

// The rows of the tray menu's items (ChooseFromTrayMenu), by the menu's design.
namespace tray_row {
constexpr int kAbout = 1, kHelp = 2, kUpdate = 3, kProgramOptions = 4, kShutdown = 11, kExit = 12;
// In Program Options.
constexpr int kRunTasks = 0, kShortcutOptions = 3, kHotKeyOptions = 4, kTextOptions = 6;
// In Shortcut Options.
constexpr int kQuickLaunch = 0, kDesktop = 1;
}  // namespace tray_row

// Chooses an item of the tray menu by its rows: rows[0] on the menu itself, counted in presses of
// DOWN from the top, where the first press lands on the side bar's row and separators are skipped
// (About is row 1); each further row in the submenu the row before opens, where RIGHT opens it on
// its first row (row 0). Windows' menus cannot be read from another process under Wine (an HMENU
// is the owning process's), so the rows follow the menu's design. False when no menu showed.
inline bool ChooseFromTrayMenu(HWND base, const std::vector<int>& rows) {
  if (rows.empty() || !OpenTrayMenu(base)) return false;
  std::vector<WORD> keys(static_cast<size_t>(rows[0]) + 1, VK_DOWN);
  for (size_t level = 1; level < rows.size(); ++level) {
    keys.push_back(VK_RIGHT);
    keys.insert(keys.end(), static_cast<size_t>(rows[level]), VK_DOWN);
  }
  keys.push_back(VK_RETURN);
  PressInTurn(keys);
  return true;
}

}  // namespace test
