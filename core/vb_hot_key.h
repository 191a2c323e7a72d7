#pragma once
// The window procedure that the program's hot-key windows share: WM_HOTKEY becomes a command,
// every other message goes on to the procedure the window had before.
#include <windows.h>

#include <cstdint>

namespace vbHotKey {

// Installs CallbackMsgs on the window and keeps the procedure it replaces with that window. A
// window that is hooked already is left alone, so its saved procedure never becomes CallbackMsgs.
void HookWindow(HWND window);
bool IsHooked(HWND window);

LRESULT CALLBACK CallbackMsgs(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Carries out the command of a hot-key id; 11 cancels the running tasks and the action.
void DoFunctions(uint8_t id);

}  // namespace vbHotKey
