#pragma once
// The arithmetic of the countdown windows: the settings they read, one tick of the counter, the
// "Before ..." line and the bands of the colour gradient.
#include <cstdint>
#include <string>
#include <vector>

namespace DozIzevodoz {

// The seconds a countdown starts from: a TimeOut that is not a whole number from 1 to 32767
// (empty, "0", negative, "abc") would count on for ever, so it reads as "5".
std::string CountdownSeconds(const std::string& timeOut);
// The font size of the countdown texts: a Font that is not a number from 1 to 200 reads as 32.
double CountdownFontSize(const std::string& font);
// Whether the countdown starts from a TimeOut as it stands (the rule of CountdownSeconds).
bool IsCountdownTimeOut(const std::string& timeOut);

struct CountdownTick {
  std::string label;  // the counter's new text
  bool fire;          // the count has ended: the action starts
};
// One second of the count, from the counter's text (half-to-even rounding of a number; anything
// else counts as 0).
CountdownTick NextCountdownTick(const std::string& counter);

// The line under "Run Tasks" for an action name; "" for no known action.
std::string BeforeActionText(const std::string& actionName);

// One filled rectangle of the gradient, in client pixels; colour is 0x00BBGGRR.
struct GradientBand {
  int left, top, right, bottom;
  uint32_t colour;
};
// The band count of a colour depth (bits per pixel times planes), and the depth a depth the
// gradient does not know is recorded as.
int GradientBandCount(int& depth);
// The fills of the gradient over a width x height client area: L-shaped bands (a bottom strip and a
// right strip each) growing brighter towards the top left, then black over what is left. Only
// "Blue", "Red" and "Green" have bands; any other colour name is black throughout.
std::vector<GradientBand> GradientBands(int bands, int width, int height, const std::string& colour);

}  // namespace DozIzevodoz
