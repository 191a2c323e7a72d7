// The smallest tray program worth comparing Tarnwick with: a hidden window, one hot key, one tray
// icon, one timer and a message loop. bench/idle starts it beside Tarnwick.exe under the same Wine
// prefix; what Tarnwick costs beyond it is what its own work costs.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr int kHotKeyId = 1;
constexpr UINT_PTR kTimerId = 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HOTKEY:
    case WM_TIMER:
    case kTrayMessage:
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"IdleTray";
  if (!RegisterClassW(&windowClass)) return 1;
  HWND window = CreateWindowExW(0, L"IdleTray", L"Idle tray", WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, instance,
                                nullptr);
  if (!window) return 1;
  RegisterHotKey(window, kHotKeyId, MOD_CONTROL | MOD_ALT, 'Q');

  NOTIFYICONDATAW icon = {};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = 1;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // IDI_APPLICATION
  lstrcpyW(icon.szTip, L"Idle tray");
  Shell_NotifyIconW(NIM_ADD, &icon);
  SetTimer(window, kTimerId, 60000, nullptr);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  Shell_NotifyIconW(NIM_DELETE, &icon);
  UnregisterHotKey(window, kHotKeyId);
  return 0;
}
