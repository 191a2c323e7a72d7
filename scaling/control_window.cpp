#include "control_window.h"

#include "com_module.h"
#include "toolbox_image.h"

namespace amb {
namespace {

constexpr wchar_t kWindowClass[] = L"AmbreloControlWindow";

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    DrawToolboxImage(dc, client);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool RegisterControlWindowClass() {
  WNDCLASSEXW wc{sizeof wc};
  if (GetClassInfoExW(ModuleInstance(), kWindowClass, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &ControlWindowProc;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kWindowClass;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

HWND CreateControlWindow(HWND parent, const RECT& position) {
  if (!RegisterControlWindowClass()) return nullptr;
  return CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_CLIPSIBLINGS, position.left, position.top,
                         position.right - position.left, position.bottom - position.top, parent, nullptr,
                         ModuleInstance(), nullptr);
}

void UnregisterControlWindowClass() { UnregisterClassW(kWindowClass, ModuleInstance()); }

}  // namespace amb
