#include "countdown_rules.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "ascii_text.h"
#include "rounding.h"

namespace DozIzevodoz {
namespace {

// The whole string as a number (blanks around allowed), or false.
bool ParseNumber(const std::string& text, double& value) {
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  if (!*begin) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE || !std::isfinite(value)) return false;
  while (*end == ' ') ++end;
  return *end == '\0';
}

bool IsWholeNumberIn(const std::string& text, long low, long high) {
  const std::string digits = rt::TrimBlanks(text);
  if (digits.empty()) return false;
  long value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > high) return false;
  }
  return value >= low;
}

// Bands past the top left edge have turned inside out; a fill routine that puts the corners
// back in order would paint them over the brighter bands, so they are left out.
void AddFill(std::vector<GradientBand>& fills, GradientBand band) {
  if (band.top < 0) band.top = 0;
  if (band.left < 0) band.left = 0;
  if (band.left < band.right && band.top < band.bottom) fills.push_back(band);
}

}  // namespace

bool IsCountdownTimeOut(const std::string& timeOut) { return IsWholeNumberIn(timeOut, 1, 32767); }

std::string CountdownSeconds(const std::string& timeOut) { return IsCountdownTimeOut(timeOut) ? timeOut : "5"; }

double CountdownFontSize(const std::string& font) {
  double size = 0;
  return ParseNumber(font, size) && size >= 1 && size <= 200 ? size : 32;
}

CountdownTick NextCountdownTick(const std::string& counter) {
  double value = 0;
  long n = 0;
  if (!ParseNumber(counter, value) || !rt::RoundToLong(value, n) || n < -32768 || n > 32767) n = 0;
  return {std::to_string(n - 1), n == 1};
}

std::string BeforeActionText(const std::string& actionName) {
  struct Line { const char* name; const char* text; };
  static constexpr Line kLines[] = {
      {"Shut", "Before Shutting Down"}, {"Boot", "Before Rebooting"}, {"Pwr", "Before Powering Off"},
      {"Log", "Before Logging Off"},    {"Sus", "Before Suspending"}, {"Hib", "Before Hibernating"},
  };
  for (const Line& line : kLines)
    if (actionName == line.name) return line.text;
  return {};
}

int GradientBandCount(int& depth) {
  switch (depth) {
    case 4: case 8: return 64;
    case 15: return 32;
    case 16: case 24: case 32: return 256;
    default: depth = 4; return 64;
  }
}

std::vector<GradientBand> GradientBands(int bands, int width, int height, const std::string& colour) {
  std::vector<GradientBand> fills;
  int shift = colour == "Blue" ? 16 : colour == "Red" ? 0 : colour == "Green" ? 8 : -1;
  int right = width, bottom = height;
  if (shift >= 0 && bands > 0) {
    const int step = 256 / bands;
    const int bandH = static_cast<int>(rt::RoundHalfEven(static_cast<double>(height) / bands));
    const int bandW = static_cast<int>(rt::RoundHalfEven(static_cast<double>(width) / bands));
    for (int band = 0, level = 0; band < bands; ++band, level += step) {
      uint32_t c = static_cast<uint32_t>(level & 0xFF) << shift;
      AddFill(fills, {0, bottom - bandH, right, bottom, c});
      AddFill(fills, {right - bandW, 0, right, bottom, c});
      bottom -= bandH;
      right -= bandW;
    }
  }
  AddFill(fills, {0, 0, right, bottom, 0});
  return fills;
}

}  // namespace DozIzevodoz
