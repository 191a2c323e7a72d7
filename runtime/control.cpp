#include "control.h"

#include <shellapi.h>

#include "app.h"
#include "color.h"
#include "common_controls.h"
#include "error_report.h"
#include "form.h"
#include "rounding.h"
#include "screen.h"
#include "subclass.h"
#include "text_compare.h"

namespace rt {
namespace {

int ScreenDpiY() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

std::string WindowText(HWND hwnd, const std::string& fallback) {
  if (!hwnd) return fallback;
  int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

std::string ListItemText(HWND hwnd, UINT lengthMessage, UINT textMessage, int index) {
  if (!hwnd) return {};
  LRESULT length = SendMessageA(hwnd, lengthMessage, index, 0);
  if (length < 0) return {};  // LB_ERR and CB_ERR
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(hwnd, textMessage, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

LRESULT CALLBACK ControlWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

Control::Control(Form& form, const ControlDesign& design, Control* container, UINT id)
    : form_(form),
      container_(container),
      name_(design.name),
      index_(design.index),
      kind_(design.kind),
      id_(id),
      left_(design.left),
      top_(design.top),
      width_(design.width),
      height_(design.height),
      caption_(design.caption ? design.caption : ""),
      toolTip_(design.toolTip ? design.toolTip : ""),
      visible_(design.visible),
      enabled_(design.enabled),
      foreColor_(design.foreColor),
      backColor_(design.backColor),
      design_(design) {
  // A font left open in the design comes from the container, as the platform's controls did.
  if (design.font.name) {
    fontName_ = design.font.name;
    fontSize_ = design.font.size > 0 ? design.font.size : 8.25;
    bold_ = design.font.bold;
    italic_ = design.font.italic;
    underline_ = design.font.underline;
  } else {
    LOGFONTA base = {};
    HFONT inherited = container ? container->Font() : form.Font();
    if (!inherited || !GetObjectA(inherited, sizeof base, &base)) lstrcpyA(base.lfFaceName, kFormFontName);
    fontName_ = base.lfFaceName;
    fontSize_ = design.font.size > 0 ? design.font.size
                                     : (base.lfHeight < 0 ? -base.lfHeight * 72.0 / ScreenDpiY() : 8.25);
    bold_ = base.lfWeight >= FW_BOLD;
    italic_ = base.lfItalic != 0;
    underline_ = base.lfUnderline != 0;
  }
  RebuildFont();
}

bool Control::Is(std::string_view name, int index) const {
  return TextEquals(name_, name) && (index < 0 || index == index_);
}

RECT Control::PixelRect() const {
  ScreenObject& screen = Screen();
  RECT r;
  r.left = screen.TwipsToPixelsX(left_);
  r.top = screen.TwipsToPixelsY(top_);
  r.right = r.left + screen.TwipsToPixelsX(width_);
  r.bottom = r.top + screen.TwipsToPixelsY(height_);
  return r;
}

HWND Control::SurfaceWindow() const {
  if (hwnd_) return hwnd_;
  return container_ ? container_->hWnd() : form_.hwnd_;
}

void Control::Move(int left, int top, int width, int height) {
  if (IsWindowless()) InvalidateArea();
  left_ = left;
  top_ = top;
  width_ = width < 0 ? 0 : width;
  height_ = height < 0 ? 0 : height;
  if (hwnd_) {
    RECT r = PixelRect();
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (IsWindowless()) InvalidateArea();
  Moved();
  form_.ControlMoved(*this);
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (hwnd_) ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
  if (IsWindowless()) InvalidateArea();
  form_.UpdateToolTip(*this);
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (hwnd_) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  if (IsWindowless()) InvalidateArea();
}

void Control::SetToolTipText(const std::string& text) {
  toolTip_ = text;
  form_.UpdateToolTip(*this);
}

void Control::SetForeColor(OleColor color) {
  foreColor_ = color;
  OnColorsChanged();
}

void Control::SetBackColor(OleColor color) {
  backColor_ = color;
  backBrush_.reset();
  OnColorsChanged();
}

void Control::SetFontName(const std::string& name) {
  fontName_ = name;
  RebuildFont();
}
void Control::SetFontSize(double points) {
  if (!(points > 0 && points < 2048)) Raise("Invalid property value");
  fontSize_ = points;
  RebuildFont();
}
void Control::SetFontBold(bool bold) {
  bold_ = bold;
  RebuildFont();
}
void Control::SetFontItalic(bool italic) {
  italic_ = italic;
  RebuildFont();
}
void Control::SetFontUnderline(bool underline) {
  underline_ = underline;
  RebuildFont();
}

void Control::RebuildFont() {
  int dpi = ScreenDpiY();
  LOGFONTA lf = {};
  lf.lfHeight = -static_cast<LONG>(RoundHalfEven(fontSize_ * dpi / 72.0));
  lf.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic_;
  lf.lfUnderline = underline_;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, fontName_.c_str(), LF_FACESIZE);
  GdiObject<HFONT> font(CreateFontIndirectA(&lf));
  if (!font) return;
  font_ = std::move(font);
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  OnFontChanged();
  if (IsWindowless()) InvalidateArea();
}

void Control::FireClick() { form_.RaiseClick(*this); }
void Control::FireDblClick() { form_.Run(this, "DblClick", [this] { form_.Control_DblClick(*this); }); }
void Control::FireChange() { form_.RaiseChange(*this); }

void Control::SetFocus() {
  if (hwnd_) ::SetFocus(hwnd_);
}

void Control::Refresh() {
  if (hwnd_) {
    InvalidateRect(hwnd_, nullptr, TRUE);
    UpdateWindow(hwnd_);
  } else {
    InvalidateArea();
    if (HWND surface = SurfaceWindow()) UpdateWindow(surface);
  }
}

void Control::InvalidateArea() {
  HWND surface = SurfaceWindow();
  if (!surface) return;
  RECT r = PixelRect();
  InvalidateRect(surface, &r, TRUE);
}

HBRUSH Control::ColorBrush(HDC dc) {
  if (foreColor_ != kNoColor) SetTextColor(dc, ToColorRef(foreColor_));
  // A text colour needs a brush returned, or the window ignores it.
  if (backColor_ == kNoColor) return foreColor_ == kNoColor ? nullptr : GetSysColorBrush(DefaultBackColorIndex());
  SetBkColor(dc, ToColorRef(backColor_));
  if (!backBrush_) backBrush_.reset(CreateSolidBrush(ToColorRef(backColor_)));
  return backBrush_.get();
}

HWND Control::CreateChild(HWND parent, const char* windowClass, DWORD style, DWORD exStyle,
                          const std::string& text, bool subclass) {
  EnsureCommonControls();
  RECT r = PixelRect();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (visible_) style |= WS_VISIBLE;
  if (!enabled_) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExA(exStyle, windowClass, text.c_str(), style, r.left, r.top, r.right - r.left,
                              r.bottom - r.top, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id_)),
                              CodeModule(), nullptr);
  if (!hwnd) Raise("Can not create the control " + name_);
  hwnd_ = hwnd;
  SetPropA(hwnd, kControlProperty, this);
  if (subclass) InstallSubclass(hwnd, ControlWindowProc);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (design_.acceptsFiles) DragAcceptFiles(hwnd, TRUE);
  return hwnd;
}

}  // namespace rt
