// The form's window: its class, its style, and the messages it answers before the surface does.
#include <algorithm>

#include "app.h"
#include "form.h"
#include "form_parts.h"
#include "error_report.h"
#include "message_loop.h"

namespace rt {

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registered again after UnregisterFormWindowClasses.
void RegisterFormClass() {
  WNDCLASSEXA wc = {sizeof wc};
  if (GetClassInfoExA(CodeModule(), kFormClass, &wc)) return;
  wc = {sizeof wc};
  wc.style = CS_DBLCLKS | CS_OWNDC;
  wc.lpfnWndProc = FormWindowProc;
  wc.hInstance = CodeModule();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kFormClass;
  RegisterClassExA(&wc);
}

void UnregisterFormWindowClasses() {
  UnregisterClassA(kFormClass, CodeModule());
  UnregisterContainerClass();
}

DWORD FormStyle(const FormSettings& s, DWORD& exStyle) {
  exStyle = 0;
  bool titleBar = s.border != FormBorder::None && (!s.caption.empty() || s.controlBox || s.minButton || s.maxButton);
  DWORD style = WS_CLIPCHILDREN;
  switch (s.border) {
    case FormBorder::None: style |= WS_POPUP; break;
    case FormBorder::FixedSingle: style |= titleBar ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP | WS_BORDER; break;
    case FormBorder::Sizable: style |= WS_THICKFRAME | (titleBar ? WS_CAPTION : WS_POPUP); break;
    case FormBorder::FixedDialog:
      style |= titleBar ? WS_OVERLAPPED | WS_CAPTION : WS_POPUP | WS_DLGFRAME;
      exStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (titleBar && s.controlBox) {
    style |= WS_SYSMENU;
    if (s.minButton) style |= WS_MINIMIZEBOX;
    if (s.maxButton) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

void SetClientSize(HWND hwnd, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE)), GetMenu(hwnd) != nullptr,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_EXSTYLE)));
  SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HandleFormNavigation(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  char cls[32] = {};
  if (!root || !GetClassNameA(root, cls, sizeof cls) || lstrcmpA(cls, kFormClass) != 0) return false;
  if (!(GetWindowLongPtrA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)) return false;
  return IsDialogMessageA(root, &msg) != FALSE;
}

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!form || !form->parts_) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (!form->hwnd_) form->hwnd_ = hwnd;  // messages of CreateWindowEx itself
  return form->Dispatch(message, wParam, lParam);
}

LRESULT Form::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  LRESULT result = 0;
  bool handled = false;
  Trap(name_.c_str(), "WindowProc", [&] { handled = HandleMessage(message, wParam, lParam, result); });
  if (handled) return result;
  if (hwnd_ == hwnd && SurfaceMessage(hwnd, nullptr, message, wParam, lParam, result)) return result;
  bool live = hwnd_ == hwnd && parts_;
  switch (message) {
    case WM_CLOSE:
      Unload(UnloadMode::FormControlMenu);
      return 0;
    case WM_WINDOWPOSCHANGED:
      // A modal show waits for its form to hide: by Hide, by a handler's own ShowWindow, or by a
      // message sent from elsewhere.
      if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) WakeMessageLoop(hwnd);
      break;
    case WM_SIZE:
      if (live && std::find(Forms::Loaded().begin(), Forms::Loaded().end(), this) != Forms::Loaded().end()) {
        EnsureBackingSize();
        RaiseFormEvent("Resize", &Form::Form_Resize, ole::kFormResize);
      }
      break;
    case WM_ACTIVATE:
      if (live && LOWORD(wParam) != WA_INACTIVE) RaiseFormEvent("Activate", &Form::Form_Activate, ole::kFormActivate);
      if (live && LOWORD(wParam) == WA_INACTIVE)
        RaiseFormEvent("Deactivate", &Form::Form_Deactivate, ole::kFormDeactivate);
      break;
    case WM_CHAR:
      if (live) {
        int key = static_cast<int>(wParam);
        Run(nullptr, "KeyPress", [&] { Form_KeyPress(key); });
        if (key == 0) return 0;
        wParam = static_cast<WPARAM>(key);
      }
      break;
    case DM_GETDEFID:
      if (live)
        for (auto& control : parts_->controls)
          if (auto* button = dynamic_cast<CommandButton*>(control.get()); button && button->IsDefault())
            return MAKELRESULT(button->Id(), DC_HASDEFID);
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace rt
