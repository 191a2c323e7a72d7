#include "form.h"

#include <algorithm>

#include "app.h"
#include "color.h"
#include "error_report.h"
#include "form_parts.h"
#include "message_loop.h"
#include "rounding.h"
#include "screen.h"
#include "subclass.h"
#include "text_compare.h"

namespace rt {

LRESULT CALLBACK FormWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

const char kFormClass[] = "TarnwickForm";
const char kParkingClass[] = "TarnwickOwner";
bool g_quitting = false;

HINSTANCE Instance() { return App().hInstance ? App().hInstance : CodeModule(); }

// Registered again after UnregisterFormWindowClasses.
void RegisterFormClasses() {
  WNDCLASSEXA wc = {sizeof wc};
  if (!GetClassInfoExA(CodeModule(), kFormClass, &wc)) {
    wc = {sizeof wc};
    wc.style = CS_DBLCLKS | CS_OWNDC;
    wc.lpfnWndProc = FormWindowProc;
    wc.hInstance = CodeModule();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kFormClass;
    RegisterClassExA(&wc);
  }
  WNDCLASSEXA parking = {sizeof parking};
  if (!GetClassInfoExA(CodeModule(), kParkingClass, &parking)) {
    parking = {sizeof parking};
    parking.lpfnWndProc = DefWindowProcA;
    parking.hInstance = CodeModule();
    parking.lpszClassName = kParkingClass;
    RegisterClassExA(&parking);
  }
}

// Forms that stay out of the task bar are owned by this hidden window, as the platform did it.
HWND ParkingWindow() {
  static UniqueWindow window(CreateWindowExA(0, kParkingClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                             CodeModule(), nullptr));
  return window.get();
}

std::vector<std::unique_ptr<FormParts>>& Unloaded() {
  static std::vector<std::unique_ptr<FormParts>> parts;
  return parts;
}

DWORD StyleOf(const FormSettings& s, DWORD& exStyle) {
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

bool Quitting() { return g_quitting; }
void SetQuitting(bool quitting) { g_quitting = quitting; }

void UnregisterFormWindowClasses() {
  UnregisterClassA(kFormClass, CodeModule());
  UnregisterContainerClass();
}

void CollectUnloadedForms() {
  // Destroying parts can run code (a control's clean-up) that unloads more: take them out first.
  std::vector<std::unique_ptr<FormParts>> dead;
  dead.swap(Unloaded());
}

std::vector<Form*>& Forms::List() {
  static std::vector<Form*> list;
  return list;
}
const std::vector<Form*>& Forms::Loaded() { return List(); }

Form* Forms::Find(const std::string& name) {
  for (Form* f : List())
    if (TextEquals(f->Name(), name)) return f;
  return nullptr;
}

void Forms::UnloadAll() {
  SetQuitting(true);
  for (int round = 0; round < 100; ++round) {
    std::vector<Form*> snapshot;
    for (Form* form : List())
      if (!form->unloading_) snapshot.push_back(form);
    if (snapshot.empty()) break;
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) (*it)->Unload(UnloadMode::AppWindows);
  }
}

bool Forms::QueryEnd() {
  const std::vector<Form*> snapshot = List();  // a form may unload itself while it asks
  for (Form* form : snapshot)
    if (form->IsLoaded() && !form->QueryEnd()) return false;
  return true;
}

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
  if (hwnd_) {
    for (auto& control : parts_->controls) control->Detach();
    if (parts_->model) parts_->model->Detach();
    if (parts_->menus) parts_->menus->Detach();
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
    auto& list = Forms::List();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
  }
}

void Form::ThrowNoSuchControl(std::string_view name) {
  Raise("The form has no control named " + std::string(name));
}

HFONT Form::Font() const { return parts_ ? parts_->font.get() : nullptr; }

void Form::Load() {
  if (hwnd_ || Quitting()) return;
  RegisterFormClasses();
  FormSettings s = Settings();
  auto parts = std::make_unique<FormParts>();
  parts->font = MakeFont(s.font);
  DWORD exStyle = 0;
  DWORD style = StyleOf(s, exStyle);
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
  Forms::List().push_back(this);
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
  Unloaded().push_back(std::move(parts_));
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
  auto& list = Forms::List();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  for (auto& control : parts_->controls) control->Detach();
  if (parts_->model) parts_->model->Detach();
  if (parts_->menus) parts_->menus->Detach();
  // The parts may still be in use by the handler that is unloading the form; the outermost loop
  // frees them.
  Unloaded().push_back(std::move(parts_));
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

std::string Form::Caption() const {
  return hwnd_ ? WindowText(hwnd_) : Settings().caption;
}

void Form::SetCaption(const std::string& caption) {
  Load();
  if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

namespace {
RECT OuterRect(HWND hwnd) {
  RECT r{};
  if (hwnd) GetWindowRect(hwnd, &r);
  return r;
}
}  // namespace

double Form::Left() const { return Screen().PixelsToTwipsX(OuterRect(hwnd_).left); }
double Form::Top() const { return Screen().PixelsToTwipsY(OuterRect(hwnd_).top); }
double Form::Width() const {
  RECT r = OuterRect(hwnd_);
  return Screen().PixelsToTwipsX(r.right - r.left);
}
double Form::Height() const {
  RECT r = OuterRect(hwnd_);
  return Screen().PixelsToTwipsY(r.bottom - r.top);
}

void Form::Move(double left, double top, double width, double height) {
  Load();
  if (!hwnd_) return;
  ScreenObject& screen = Screen();
  RECT r = OuterRect(hwnd_);
  int w = width < 0 ? r.right - r.left : screen.TwipsToPixelsX(width);
  int h = height < 0 ? r.bottom - r.top : screen.TwipsToPixelsY(height);
  SetWindowPos(hwnd_, nullptr, screen.TwipsToPixelsX(left), screen.TwipsToPixelsY(top), w, h,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

double Form::ToScaleX(int pixels) const {
  return scaleMode_ == ScaleMode::Pixels ? pixels : Screen().PixelsToTwipsX(pixels);
}
double Form::ToScaleY(int pixels) const {
  return scaleMode_ == ScaleMode::Pixels ? pixels : Screen().PixelsToTwipsY(pixels);
}

double Form::ScaleWidth() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return ToScaleX(r.right);
}
double Form::ScaleHeight() const {
  RECT r{};
  if (hwnd_) GetClientRect(hwnd_, &r);
  return ToScaleY(r.bottom);
}

WindowState Form::GetWindowState() const {
  if (hwnd_ && IsIconic(hwnd_)) return WindowState::Minimized;
  if (hwnd_ && IsZoomed(hwnd_)) return WindowState::Maximized;
  return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
  Load();
  if (!hwnd_) return;
  int command = state == WindowState::Minimized ? SW_MINIMIZE
                : state == WindowState::Maximized ? SW_MAXIMIZE
                                                  : SW_RESTORE;
  ShowWindow(hwnd_, command);
}

void Form::SetBackColor(OleColor color) {
  Load();
  backColor_ = color;
  if (!parts_) return;
  parts_->backBrush.reset();
  if (autoRedraw_) Cls();
  else if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HDC Form::hDC() {
  Load();
  if (!hwnd_) return nullptr;
  if (autoRedraw_) return parts_->backingDc.get();
  return GetDC(hwnd_);  // the class's own DC: it needs no release
}

void Form::EnsureBackingSize() {
  if ((!autoRedraw_ && !parts_->backingDc) || !hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SIZE wanted{std::max(client.right, parts_->backingSize.cx), std::max(client.bottom, parts_->backingSize.cy)};
  if (parts_->backingDc && wanted.cx == parts_->backingSize.cx && wanted.cy == parts_->backingSize.cy) return;
  HDC windowDc = GetDC(hwnd_);
  UniqueMemoryDc dc(CreateCompatibleDC(windowDc));
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(windowDc, std::max<LONG>(wanted.cx, 1), std::max<LONG>(wanted.cy, 1)));
  if (!dc || !bitmap) return;
  SelectObject(dc.get(), bitmap.get());
  RECT all{0, 0, wanted.cx, wanted.cy};
  GdiObject<HBRUSH> brush(CreateSolidBrush(ToColorRef(backColor_)));
  FillRect(dc.get(), &all, brush.get());
  if (parts_->backingDc) {
    BitBlt(dc.get(), 0, 0, parts_->backingSize.cx, parts_->backingSize.cy, parts_->backingDc.get(), 0, 0, SRCCOPY);
  } else if (parts_->picture) {
    UniqueMemoryDc source(CreateCompatibleDC(windowDc));
    HGDIOBJ old = SelectObject(source.get(), parts_->picture.get());
    BITMAP info{};
    GetObjectA(parts_->picture.get(), sizeof info, &info);
    BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), old);
  }
  // The text drawn on the image takes the form's font and colours, as drawing methods did.
  SelectObject(dc.get(), parts_->font.get());
  SetBkMode(dc.get(), TRANSPARENT);
  parts_->backingDc = std::move(dc);  // the old DC goes first, then the old bitmap
  parts_->backing = std::move(bitmap);
  parts_->backingSize = wanted;
}

void Form::Cls() {
  Load();
  if (!hwnd_) return;
  if (parts_->backingDc) {
    parts_->backingDc.reset();
    parts_->backing.reset();
    parts_->backingSize = {0, 0};
    EnsureBackingSize();
  }
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::SetAutoRedraw(bool on) {
  Load();
  if (!hwnd_ || autoRedraw_ == on) return;
  autoRedraw_ = on;
  EnsureBackingSize();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form::Refresh() {
  if (!hwnd_) return;
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
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

HBITMAP Form::Picture() const { return parts_ ? parts_->picture.get() : nullptr; }

void Form::SetPicture(HBITMAP bitmap) {
  GdiObject<HBITMAP> taken(bitmap);
  if (!parts_) return;
  parts_->picture = std::move(taken);
  if (autoRedraw_) Cls();
  else if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
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
