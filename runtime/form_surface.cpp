// What a form and its containers do alike: paint their windowless controls over their
// background, send mouse input to the control under it, and pass child notices to controls.
#include <windowsx.h>

#include <algorithm>

#include "app.h"
#include "color.h"
#include "common_controls.h"
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

bool IsMouseMessage(UINT message) { return message >= WM_MOUSEFIRST && message <= WM_MBUTTONDBLCLK; }

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

Control* ControlOf(HWND hwnd) { return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr; }

}  // namespace

void Form::BuildControls(const FormSettings& settings) {
  UINT id = 0x8000;  // above every menu id
  for (const ControlDesign& design : settings.controls) {
    Control* container = nullptr;
    if (design.container)
      for (auto& c : parts_->controls)
        if (c->Is(design.container) && (c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox))
          container = c.get();
    std::unique_ptr<Control> control;
    switch (design.kind) {
      case ControlKind::Label: control = std::make_unique<Label>(*this, design, container, id); break;
      case ControlKind::Image: control = std::make_unique<Image>(*this, design, container, id); break;
      case ControlKind::CommandButton: control = std::make_unique<CommandButton>(*this, design, container, id); break;
      case ControlKind::CheckBox: control = std::make_unique<CheckBox>(*this, design, container, id); break;
      case ControlKind::OptionButton: control = std::make_unique<OptionButton>(*this, design, container, id); break;
      case ControlKind::Frame:
      case ControlKind::PictureBox: control = std::make_unique<Container>(*this, design, container, id); break;
      case ControlKind::TextBox: control = std::make_unique<TextBox>(*this, design, container, id); break;
      case ControlKind::ListBox: control = std::make_unique<ListBox>(*this, design, container, id); break;
      case ControlKind::ComboBox: control = std::make_unique<ComboBox>(*this, design, container, id); break;
      case ControlKind::ListView: control = std::make_unique<ListView>(*this, design, container, id); break;
      case ControlKind::ImageList: control = std::make_unique<ImageList>(*this, design, container, id); break;
      case ControlKind::Timer: control = std::make_unique<Timer>(*this, design, container, id); break;
      case ControlKind::OleControl: control = std::make_unique<OleControl>(*this, design, container, id); break;
    }
    ++id;
    parts_->controls.push_back(std::move(control));
  }

  // Containers first (a container precedes its children in the table), then the other windowed
  // controls in tab order: the window order is what TAB follows.
  std::vector<Control*> containers, windowed, other;
  for (auto& c : parts_->controls) {
    bool isContainer = c->Kind() == ControlKind::Frame || c->Kind() == ControlKind::PictureBox;
    bool hasWindow = !c->IsWindowless() && c->Kind() != ControlKind::Timer && c->Kind() != ControlKind::ImageList &&
                     c->Kind() != ControlKind::OleControl;
    (isContainer ? containers : hasWindow ? windowed : other).push_back(c.get());
  }
  std::stable_sort(windowed.begin(), windowed.end(), [](Control* a, Control* b) {
    int ta = a->design_.tabIndex < 0 ? 0x7FFFFFFF : a->design_.tabIndex;
    int tb = b->design_.tabIndex < 0 ? 0x7FFFFFFF : b->design_.tabIndex;
    return ta < tb;
  });
  auto parentOf = [&](Control* c) { return c->Container() ? c->Container()->hWnd() : hwnd_; };
  for (Control* c : containers) c->Create(parentOf(c));
  for (Control* c : windowed) c->Create(parentOf(c));
  for (Control* c : other) c->Create(parentOf(c));
  parts_->tabOrder = windowed;
  if (!windowed.empty()) {
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    for (Control* c : containers)
      SetWindowLongPtrA(c->hWnd(), GWL_EXSTYLE, GetWindowLongPtrA(c->hWnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  }
  for (auto& c : parts_->controls) UpdateToolTip(*c);
}

Control* Form::ControlById(UINT id) {
  if (!parts_ || id < 0x8000) return nullptr;
  size_t index = id - 0x8000;
  return index < parts_->controls.size() ? parts_->controls[index].get() : nullptr;
}

Control* Form::ControlOfWindow(HWND hwnd) {
  Control* control = ControlOf(hwnd);
  return control && &control->Parent() == this ? control : nullptr;
}

Control* Form::WindowlessAt(Control* container, POINT pixel) {
  if (!parts_) return nullptr;
  auto& controls = parts_->controls;
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {  // the last drawn is on top
    Control* c = it->get();
    if (!c->IsWindowless() || c->Container() != container || !c->Visible() || !c->Enabled()) continue;
    RECT r = c->PixelRect();
    if (PtInRect(&r, pixel)) return c;
  }
  return nullptr;
}

void Form::PaintSurface(HWND surface, Control* container, HDC dc) {
  RECT client;
  GetClientRect(surface, &client);
  if (!container && parts_->backingDc) {
    BitBlt(dc, 0, 0, client.right, client.bottom, parts_->backingDc.get(), 0, 0, SRCCOPY);
  } else if (!container) {
    if (!parts_->backBrush) parts_->backBrush.reset(CreateSolidBrush(ToColorRef(backColor_)));
    FillRect(dc, &client, parts_->backBrush.get());
    if (parts_->picture) {
      UniqueMemoryDc source(CreateCompatibleDC(dc));
      HGDIOBJ old = SelectObject(source.get(), parts_->picture.get());
      BITMAP info{};
      GetObjectA(parts_->picture.get(), sizeof info, &info);
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
      SelectObject(source.get(), old);
    }
  } else {
    static_cast<Container*>(container)->PaintOwn(dc);
  }
  for (auto& c : parts_->controls) {
    if (!c->IsWindowless() || c->Container() != container || !c->Visible()) continue;
    RECT r = c->PixelRect();
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    c->Paint(dc);
    RestoreDC(dc, saved);
  }
}

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

bool Form::SurfaceMessage(HWND surface, Control* container, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT& result) {
  if (!parts_) return false;
  if (IsMouseMessage(message)) {
    RouteMouse(surface, container, message, wParam, lParam);
    result = 0;
    return true;
  }
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;  // WM_PAINT draws the whole background
      return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(surface, &ps);
      PaintSurface(surface, container, dc);
      EndPaint(surface, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      PaintSurface(surface, container, reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    case WM_COMMAND:
      if (!RouteCommand(wParam, lParam)) return false;
      result = 0;
      return true;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      Control* control = ControlOfWindow(header->hwndFrom);
      if (!control) return false;
      result = control->OnNotify(header);
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam));
      HBRUSH brush = control ? control->ColorBrush(reinterpret_cast<HDC>(wParam)) : nullptr;
      if (!brush) return false;
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    case WM_DROPFILES:
      RouteDrop(surface, container, reinterpret_cast<HDROP>(wParam));
      result = 0;
      return true;
    case WM_SETCURSOR:
      if (!Screen().ApplyMousePointer()) return false;
      result = TRUE;
      return true;
    case WM_TIMER:
      if (auto* timer = dynamic_cast<Timer*>(ControlById(static_cast<UINT>(wParam)))) {
        if (timer->Enabled()) Run(timer, "Timer", [&] { Timer_Timer(*timer); });
        result = 0;
        return true;
      }
      return false;
  }
  return false;
}

void Form::UpdateToolTip(Control& control) {
  if (!parts_ || !hwnd_ || control.Kind() == ControlKind::Timer || control.Kind() == ControlKind::ImageList) return;
  HWND surface = control.IsWindowless() ? control.SurfaceWindow() : control.hWnd();
  if (!surface) return;
  if (!parts_->toolTip) {
    if (control.ToolTipText().empty()) return;
    EnsureCommonControls();
    parts_->toolTip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                      CodeModule(), nullptr);
    if (!parts_->toolTip) return;
  }
  TTTOOLINFOA tool = {sizeof tool};
  if (control.IsWindowless()) {
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = surface;
    tool.uId = control.Id();
    tool.rect = control.PixelRect();
  } else {
    tool.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    tool.hwnd = GetParent(surface);
    tool.uId = reinterpret_cast<UINT_PTR>(surface);
  }
  SendMessageA(parts_->toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.ToolTipText().empty() || !control.Visible()) return;
  tool.lpszText = const_cast<char*>(control.ToolTipText().c_str());
  SendMessageA(parts_->toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::ControlMoved(Control& control) {
  if (control.IsWindowless()) UpdateToolTip(control);
}

// Frames and picture boxes: their window procedure is the form's surface handling.
LRESULT CALLBACK ContainerWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Control* container = ControlOf(hwnd);
  if (message == WM_NCDESTROY) RemovePropA(hwnd, kControlProperty);
  if (!container || !container->hWnd()) return DefWindowProcA(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  if (container->Parent().SurfaceMessage(hwnd, container, message, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, message, wParam, lParam);
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
