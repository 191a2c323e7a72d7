// Where a form's window stands: its caption, position, size, scale and state.
#include "form.h"
#include "form_parts.h"
#include "screen.h"

namespace rt {

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

}  // namespace rt
