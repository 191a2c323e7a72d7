#pragma once
// The window procedure that the program's hot-key windows share: WM_HOTKEY becomes a command,
// every other message goes on to the procedure the window had before.
#include <windows.h>

#include <cstdint>

namespace vbHotKey {

// Installs CallbackMsgs on the window; the procedure it replaces is kept with that window. A
// window that is hooked already is left alone, so its saved procedure never becomes CallbackMsgs.
void HookWindow(HWND window);
bool IsHooked(HWND window);

LRESULT CALLBACK CallbackMsgs(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Carries out the command of a hot-key id: 0-5 request an action, 6 shows the tray icon again,
// 7 ends the program after asking, 8 opens the options, 9 cancels the countdown, 11 the task run.
void DoFunctions(uint8_t id);

}  // namespace vbHotKey
