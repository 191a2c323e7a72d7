#pragma once
// The screen object: how many twips a pixel is on this display, the screen's size, and the
// mouse pointer that every window of the program shows.
#include <windows.h>

namespace rt {

enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11 };

class ScreenObject {
 public:
  // 1440 / the display's LOGPIXELSX (LOGPIXELSY): 15 at 96 dots per inch, 12 at 120.
  double TwipsPerPixelX() const;
  double TwipsPerPixelY() const;
  double Width() const;   // twips
  double Height() const;  // twips

  MousePointer GetMousePointer() const { return pointer_; }
  void SetMousePointer(MousePointer pointer);
  // For WM_SETCURSOR: sets the chosen cursor and returns true, or false when the window decides.
  bool ApplyMousePointer() const;

  int TwipsToPixelsX(double twips) const;
  int TwipsToPixelsY(double twips) const;
  double PixelsToTwipsX(int pixels) const { return pixels * TwipsPerPixelX(); }
  double PixelsToTwipsY(int pixels) const { return pixels * TwipsPerPixelY(); }

 private:
  MousePointer pointer_ = MousePointer::Default;
};

ScreenObject& Screen();

}  // namespace rt
