// A form's life: loading it from its design, showing it, unloading it, and reaching its
// controls, menus and events.
#include "form.h"

#include "app.h"
#include "error_report.h"
#include "form_parts.h"
#include "message_loop.h"
#include "rounding.h"
#include "screen.h"
#include "subclass.h"

namespace rt {
namespace {

HINSTANCE Instance() { return App().hInstance ? App().hInstance : CodeModule(); }

GdiObject<HFONT> MakeFont(const FontDesign& font) {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTA lf = {};
  lf.lfHeight = -static_cast<LONG>(RoundHalfEven((font.size > 0 ? font.size : 8.25) * dpi / 72.0));
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, font.name ? font.name : kFormFontName, LF_FACESIZE);
  return GdiObject<HFONT>(CreateFontIndirectA(&lf));
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (hwnd_) {
    for (auto& control : parts_->controls) control->Detach();
    if (parts_->model) parts_->model->Detach();
    if (parts_->menus) parts_->menus->Detach();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    Forms::Remove(this);
  }
}

void Form::ThrowNoSuchControl(std::string_view name) {
  Raise("The form has no control named " + std::string(name));
}

void Form::Load() {
  if (hwnd_ || Quitting()) return;
  RegisterFormClass();
  FormSettings s = Settings();
  auto parts = std::make_unique<FormParts>();
  parts->font = MakeFont(s.font);
  DWORD exStyle = 0;
  DWORD style = FormStyle(s, exStyle);
  if (s.acceptsFiles) exStyle |= WS_EX_ACCEPTFILES;
  scaleMode_ = s.scaleMode;
  autoRedraw_ = s.autoRedraw;
  acceptsFiles_ = s.acceptsFiles;
  backColor_ = s.backColor;
  shownOnce_ = false;
  parts_ = std::move(parts);
  int x = s.startPosition == StartPosition::WindowsDefault ? CW_USEDEFAULT : 0;
  HWND owner = s.showInTaskbar ? nullptr : ParkingWindow();
  HWND hwnd = CreateWindowExA(exStyle, kFormClass, s.caption.c_str(), style, x, x == CW_USEDEFAULT ? 0 : 0,
                              100, 100, owner, nullptr, CodeModule(), this);
  if (!hwnd) {
    parts_.reset();
    Raise("Can not create the window of " + name_);
  }
  hwnd_ = hwnd;
  if (!s.menus.empty()) parts_->menus = std::make_unique<MenuTree>(s.menus, hwnd);
  SetClientSize(hwnd, Screen().TwipsToPixelsX(s.clientWidth), Screen().TwipsToPixelsY(s.clientHeight));
  PlaceAtStart(s);
  if (s.icon) {
    auto load = [&](int size) {
      return static_cast<HICON>(
          LoadImageA(Instance(), MAKEINTRESOURCEA(s.icon), IMAGE_ICON, size, size, LR_SHARED));
    };
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(GetSystemMetrics(SM_CXICON))));
    SendMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(GetSystemMetrics(SM_CXSMICON))));
  }
  if (s.picture.kind == PictureDesign::Kind::Bitmap)
    parts_->picture.reset(static_cast<HBITMAP>(
        LoadImageA(Instance(), MAKEINTRESOURCEA(s.picture.resourceId), IMAGE_BITMAP, 0, 0, 0)));
  EnsureBackingSize();
  try {
    BuildControls(s);
  } catch (...) {
    AbandonLoad();
    throw;
  }
  Forms::Add(this);
  RaiseFormEvent("Load", &Form::Form_Load, ole::kFormLoad);
}

// A control that can not be made fails the whole load: the window and what was built go, so the
// form is not left half loaded.
void Form::AbandonLoad() {
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  for (auto& control : parts_->controls) control->Detach();
  if (parts_->model) parts_->model->Detach();
  if (parts_->menus) parts_->menus->Detach();
  KeepUntilCollected(std::move(parts_));
  WakeMessageLoop(hwnd);  // a loop that waits for this form (or for the last one) must see it go
  DestroyWindow(hwnd);
  ForgetSubclasses(hwnd);
}

void Form::PlaceAtStart(const FormSettings& s) {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  int width = outer.right - outer.left, height = outer.bottom - outer.top;
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  switch (s.startPosition) {
    case StartPosition::WindowsDefault: return;
    case StartPosition::Manual:
      area = {Screen().TwipsToPixelsX(s.left), Screen().TwipsToPixelsY(s.top), 0, 0};
      SetWindowPos(hwnd_, nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    case StartPosition::CenterOwner:
      if (pendingOwner_ && IsWindow(pendingOwner_)) GetWindowRect(pendingOwner_, &area);
      break;
    case StartPosition::CenterScreen: break;
  }
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::Unload(UnloadMode mode) {
  if (!hwnd_) return true;
  if (unloading_) return false;
  unloading_ = true;
  int cancel = 0;
  Run(nullptr, "QueryUnload", [&] { Form_QueryUnload(cancel, mode); });
  if (cancel == 0 && hwnd_) Run(nullptr, "Unload", [&] { Form_Unload(cancel); });
  // The form object's sinks hear of the unload only once the form really goes.
  bool going = cancel == 0 || mode == UnloadMode::TaskManager;
  if (going && hwnd_ && parts_->model) parts_->model->Fire(ole::kFormUnload);
  unloading_ = false;
  if (!going) return false;
  if (!hwnd_) return true;  // an event handler unloaded it already
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  // Taking the menu bar off resizes the window: its messages must not find the form again.
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  Forms::Remove(this);
  for (auto& control : parts_->controls) control->Detach();
  if (parts_->model) parts_->model->Detach();
  if (parts_->menus) parts_->menus->Detach();
  // The parts may still be in use by the handler that is unloading the form; the outermost loop
  // frees them.
  KeepUntilCollected(std::move(parts_));
  WakeMessageLoop(hwnd);  // a loop that waits for this form (or for the last one) must see it go
  DestroyWindow(hwnd);
  ForgetSubclasses(hwnd);
  return true;
}

bool Form::QueryEnd() {
  if (!hwnd_) return true;
  int cancel = 0;
  Run(nullptr, "QueryEnd", [&] { Form_QueryEnd(cancel); });
  return cancel == 0;
}

void Form::Show(ShowMode mode, HWND owner) {
  pendingOwner_ = owner;
  Load();
  pendingOwner_ = nullptr;
  if (!hwnd_) return;
  HWND hwnd = hwnd_;
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  if (hwnd_ != hwnd) return;  // a handler run by the showing unloaded the form
  if (!shownOnce_) {
    shownOnce_ = true;
    FocusFirstControl();
    RaiseFormEvent("Resize", &Form::Form_Resize, ole::kFormResize);
  }
  if (mode != ShowMode::Modal || !hwnd_) return;

  std::vector<HWND> disabled;
  for (Form* other : Forms::Loaded())
    if (other != this && other->hwnd_ && IsWindowEnabled(other->hwnd_)) {
      EnableWindow(other->hwnd_, FALSE);
      disabled.push_back(other->hwnd_);
    }
  MSG msg;
  while (hwnd_ == hwnd && IsWindowVisible(hwnd)) {
    if (!NextPostedMessage(msg)) continue;
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outermost loop
      break;
    }
    if (!HandleFormNavigation(msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}

void Form::Hide() {
  if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

HWND Form::hWnd() {
  Load();
  return hwnd_;
}

void Form::FocusFirstControl() {
  for (Control* control : parts_->tabOrder)
    if (control->hWnd() && IsWindowVisible(control->hWnd()) && IsWindowEnabled(control->hWnd())) {
      ::SetFocus(control->hWnd());
      return;
    }
}

Control* Form::FindControl(std::string_view name, int index) {
  Load();
  if (!parts_) return nullptr;
  for (auto& control : parts_->controls)
    if (control->Is(name, index)) return control.get();
  return nullptr;
}

std::vector<Control*> Form::Controls() {
  Load();
  std::vector<Control*> all;
  if (parts_)
    for (auto& control : parts_->controls) all.push_back(control.get());
  return all;
}

MenuItem& Form::Menu(std::string_view name, int index) {
  Load();
  MenuItem* item = parts_ && parts_->menus ? parts_->menus->Find(name, index) : nullptr;
  if (!item) Raise("The form has no menu item named " + std::string(name));
  return *item;
}

void Form::PopupMenu(MenuItem& menu, UINT flags) {
  POINT at;
  GetCursorPos(&at);
  if (!hwnd_ || !menu.SubMenu()) return;
  HWND hwnd = hwnd_;
  FormParts* parts = parts_.get();
  UINT chosen = static_cast<UINT>(
      TrackPopupMenuEx(menu.SubMenu(), flags | TPM_RETURNCMD, at.x, at.y, hwnd, nullptr));
  PostMessageA(hwnd, WM_NULL, 0, 0);  // lets the menu's own loop end cleanly
  if (!chosen || parts_.get() != parts || !IsWindow(hwnd)) return;
  // Through the window's procedure, as the menu itself would send it, so a procedure in front of
  // the form's (an owner-drawn menu engine) sees the command; the handler has run on return.
  SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

void Form::PopupMenu(MenuItem& menu, UINT flags, double x, double y) {
  if (!hwnd_) return;
  POINT at{static_cast<LONG>(RoundHalfEven(scaleMode_ == ScaleMode::Pixels ? x : x / Screen().TwipsPerPixelX())),
           static_cast<LONG>(RoundHalfEven(scaleMode_ == ScaleMode::Pixels ? y : y / Screen().TwipsPerPixelY()))};
  ClientToScreen(hwnd_, &at);
  SetCursorPos(at.x, at.y);
  PopupMenu(menu, flags);
}

void Form::Run(const Control* sender, const char* event, const std::function<void()>& body) {
  std::string procedure = (sender ? sender->Name() : std::string("Form")) + "_" + event;
  Trap(name_.c_str(), procedure.c_str(), body);
}

void Form::RaiseFormEvent(const char* event, void (Form::*handler)(), int formEvent) {
  Run(nullptr, event, [&] { (this->*handler)(); });
  if (hwnd_ && parts_ && parts_->model) parts_->model->Fire(static_cast<ole::FormEventId>(formEvent));
}

ole::FormModel* Form::ObjectModel() {
  if (!hwnd_ || !parts_) return nullptr;
  if (!parts_->model) parts_->model = std::make_unique<ole::FormModel>(*this);
  return parts_->model.get();
}

}  // namespace rt
