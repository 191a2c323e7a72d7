#include "screen.h"

#include "rounding.h"

namespace rt {
namespace {

int DisplayDpi(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, index) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

ScreenObject& Screen() {
  static ScreenObject screen;
  return screen;
}

double ScreenObject::TwipsPerPixelX() const { return 1440.0 / DisplayDpi(LOGPIXELSX); }
double ScreenObject::TwipsPerPixelY() const { return 1440.0 / DisplayDpi(LOGPIXELSY); }
double ScreenObject::Width() const { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
double ScreenObject::Height() const { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

int ScreenObject::TwipsToPixelsX(double twips) const {
  return static_cast<int>(RoundHalfEven(twips / TwipsPerPixelX()));
}
int ScreenObject::TwipsToPixelsY(double twips) const {
  return static_cast<int>(RoundHalfEven(twips / TwipsPerPixelY()));
}

void ScreenObject::SetMousePointer(MousePointer pointer) {
  pointer_ = pointer;
  if (!ApplyMousePointer()) SetCursor(LoadCursor(nullptr, IDC_ARROW));  // the next move lets the window choose
}

bool ScreenObject::ApplyMousePointer() const {
  if (pointer_ == MousePointer::Default) return false;
  SetCursor(LoadCursor(nullptr, pointer_ == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
  return true;
}

}  // namespace rt
