// Input to a form and its controls: mouse messages become the events of the control under the
// mouse (or of the form), with clicks matched to where the button went down; commands, dropped
// files and lost focus reach their controls.
#include <windowsx.h>

#include "error_report.h"
#include "form.h"
#include "form_parts.h"
#include "screen.h"
#include "subclass.h"

namespace rt {
namespace {

int ShiftState(WPARAM keys) {
  int shift = 0;
  if (keys & MK_SHIFT) shift |= 1;
  if (keys & MK_CONTROL) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int ButtonsHeld(WPARAM keys) {
  int buttons = 0;
  if (keys & MK_LBUTTON) buttons |= 1;
  if (keys & MK_RBUTTON) buttons |= 2;
  if (keys & MK_MBUTTON) buttons |= 4;
  return buttons;
}

int ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return 1;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return 2;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return 4;
  }
  return 0;
}

std::vector<std::string> DroppedFiles(HDROP drop) {
  std::vector<std::string> files;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    UINT length = DragQueryFileA(drop, i, nullptr, 0);
    std::string file(length + 1, '\0');
    DragQueryFileA(drop, i, file.data(), length + 1);
    file.resize(length);
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK; }

void Form::RaiseClick(Control& sender) {
  Run(&sender, "Click", [&] { Control_Click(sender); });
}
void Form::RaiseChange(Control& sender) {
  Run(&sender, "Change", [&] { Control_Change(sender); });
}
void Form::RaiseLostFocus(Control& sender) {
  Run(&sender, "LostFocus", [&] { Control_LostFocus(sender); });
}
void Form::RaiseDrop(Control& sender, const std::vector<std::string>& files) {
  Run(&sender, "OLEDragDrop", [&] { Control_OLEDragDrop(sender, files); });
}
void Form::RaiseMouse(Control& sender, MouseEvent event, int button, int shift, double x, double y) {
  switch (event) {
    case MouseEvent::Move: Run(&sender, "MouseMove", [&] { Control_MouseMove(sender, button, shift, x, y); }); break;
    case MouseEvent::Down: Run(&sender, "MouseDown", [&] { Control_MouseDown(sender, button, shift, x, y); }); break;
    case MouseEvent::Up: Run(&sender, "MouseUp", [&] { Control_MouseUp(sender, button, shift, x, y); }); break;
  }
}

void Form::RouteMouse(HWND surface, Control* container, UINT message, WPARAM wParam, LPARAM lParam) {
  FormParts* parts = parts_.get();
  POINT pixel{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  Control* target = WindowlessAt(container, pixel);
  if (!target) target = container;  // nullptr: the form itself
  int shift = ShiftState(wParam);
  int button = message == WM_MOUSEMOVE ? ButtonsHeld(wParam) : ButtonOf(message);
  MouseEvent event = message == WM_MOUSEMOVE ? MouseEvent::Move
                     : (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP)
                         ? MouseEvent::Up
                         : MouseEvent::Down;
  bool doubleClick = message == WM_LBUTTONDBLCLK;
  if (event == MouseEvent::Down) {
    SetCapture(surface);
    parts->pressedSurface = surface;
    parts->pressedTarget = target;
  }
  bool clicked = event == MouseEvent::Up && button == 1 && parts->pressedSurface == surface &&
                 parts->pressedTarget == target;
  if (event == MouseEvent::Up) {
    parts->pressedSurface = nullptr;
    if (GetCapture() == surface) ReleaseCapture();
  }

  if (target) {
    RECT r = target == container ? RECT{0, 0, 0, 0} : target->PixelRect();
    double x = Screen().PixelsToTwipsX(pixel.x - r.left), y = Screen().PixelsToTwipsY(pixel.y - r.top);
    RaiseMouse(*target, event, button, shift, x, y);
    if (parts_.get() != parts) return;  // the handler unloaded the form
    if (doubleClick) Run(target, "DblClick", [&] { Control_DblClick(*target); });
    else if (clicked) RaiseClick(*target);
    return;
  }
  double x = ToScaleX(pixel.x), y = ToScaleY(pixel.y);
  switch (event) {
    case MouseEvent::Move: Run(nullptr, "MouseMove", [&] { Form_MouseMove(button, shift, x, y); }); break;
    case MouseEvent::Down: Run(nullptr, "MouseDown", [&] { Form_MouseDown(button, shift, x, y); }); break;
    case MouseEvent::Up: Run(nullptr, "MouseUp", [&] { Form_MouseUp(button, shift, x, y); }); break;
  }
  if (parts_.get() != parts) return;
  if (doubleClick) Run(nullptr, "DblClick", [&] { Form_DblClick(); });
  else if (clicked) Run(nullptr, "Click", [&] { Form_Click(); });
}

void Form::RouteDrop(HWND surface, Control* container, HDROP drop) {
  std::vector<std::string> files = DroppedFiles(drop);
  POINT at{};
  DragQueryPoint(drop, &at);
  DragFinish(drop);
  Control* target = WindowlessAt(container, at);
  if (target && !target->design_.acceptsFiles) target = nullptr;
  if (!target && container && container->design_.acceptsFiles) target = container;
  if (target) RaiseDrop(*target, files);
  else if (!container && acceptsFiles_) Run(nullptr, "OLEDragDrop", [&] { Form_OLEDragDrop(files); });
}

bool Form::RouteCommand(WPARAM wParam, LPARAM lParam) {
  UINT id = LOWORD(wParam);
  WORD code = HIWORD(wParam);
  if (lParam == 0 && code == 0 && parts_ && parts_->menus && id < 0x8000) {
    if (MenuItem* item = parts_->menus->FindById(id)) {
      Trap(name_.c_str(), (item->Name() + "_Click").c_str(), [&] { Menu_Click(*item); });
      return true;
    }
  }
  if (id == IDCANCEL || id == IDOK) {  // ESC and ENTER from the keyboard navigation
    for (auto& control : parts_->controls)
      if (auto* button = dynamic_cast<CommandButton*>(control.get()))
        if ((id == IDCANCEL && button->IsCancel()) || (id == IDOK && button->IsDefault())) {
          if (button->Enabled() && button->Visible()) button->Click();
          return true;
        }
    return true;
  }
  Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam));
  if (!control) control = ControlById(id);
  if (!control) return false;
  control->OnCommand(code);
  return true;
}

// Every windowed control is subclassed with this, for the events its own window proc knows
// nothing of: mouse input in twips, losing the focus, dropped files, the program's mouse pointer.
LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* control = ControlOf(hwnd);
  if (message == WM_NCDESTROY) RemovePropA(hwnd, kControlProperty);
  if (!control || !control->hWnd()) return CallPreviousWindowProc(ControlWindowProc, hwnd, message, wParam, lParam);
  Form& form = control->Parent();
  switch (message) {
    case WM_SETCURSOR:
      if (Screen().ApplyMousePointer()) return TRUE;
      break;
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wParam);
      std::vector<std::string> files = DroppedFiles(drop);
      DragFinish(drop);
      form.RaiseDrop(*control, files);
      return 0;
    }
    case WM_KILLFOCUS: {
      LRESULT result = CallPreviousWindowProc(ControlWindowProc, hwnd, message, wParam, lParam);
      form.RaiseLostFocus(*control);
      return result;
    }
    default:
      if (IsMouseMessage(message) && message != WM_MOUSEWHEEL) {
        // The control acts first (a check box has changed its value when its MouseUp runs).
        LRESULT result = CallPreviousWindowProc(ControlWindowProc, hwnd, message, wParam, lParam);
        if (!control->hWnd()) return result;
        int button = message == WM_MOUSEMOVE ? ButtonsHeld(wParam) : ButtonOf(message);
        Form::MouseEvent event = message == WM_MOUSEMOVE ? Form::MouseEvent::Move
                                 : (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP)
                                     ? Form::MouseEvent::Up
                                     : Form::MouseEvent::Down;
        form.RaiseMouse(*control, event, button, ShiftState(wParam), Screen().PixelsToTwipsX(GET_X_LPARAM(lParam)),
                        Screen().PixelsToTwipsY(GET_Y_LPARAM(lParam)));
        return result;
      }
  }
  return CallPreviousWindowProc(ControlWindowProc, hwnd, message, wParam, lParam);
}

}  // namespace rt
