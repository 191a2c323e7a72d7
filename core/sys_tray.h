#pragma once
// SysTray: the program's one icon in the notification area. Its callback reaches the window as
// WM_MOUSEMOVE with the mouse message in lParam.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace SysTray {

inline constexpr UINT kIconId = 1;
inline constexpr UINT kCallbackMessage = WM_MOUSEMOVE;

// The record of the first version of the shell's interface (88 bytes in a 32-bit program). The tip
// is cut to 63 characters so that its NUL always fits; the rest of the field holds blanks.
NOTIFYICONDATAA AddRecord(HWND window, const std::string& tip, HICON icon);
NOTIFYICONDATAA DeleteRecord(HWND window);

// Adds the icon unless it is shown already; true when it is shown afterwards. A failed add leaves
// it not shown, so the next call (or RetryAdd) tries again.
bool IconShow(HWND window, const std::string& tip, HICON icon);
// Removes the icon when it is shown; the program no longer wants it until the next IconShow.
void IconHide(HWND window);
bool IconShown();
// True while the program wants its icon but the shell has not taken it.
bool AddPending();
// Adds the wanted icon again: after a failed add, or when the shell announces a new task bar
// ("TaskbarCreated"), which has lost every icon.
bool RetryAdd();
void TaskbarCreated();

}  // namespace SysTray
