#include "menu_colors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

#include "caption_text.h"
#include "rounding.h"

namespace modMenus {
namespace {

struct NamedColor {
  std::string_view name;
  uint32_t value;
};

constexpr NamedColor kNamedColors[] = {
    {"vbWhite", 0xFFFFFF},     {"vbBlack", 0},          {"vbBlue", 0xFF0000},   {"vbGreen", 0xFF00},
    {"vbRed", 0xFF},           {"vbMagenta", 0xFF00FF}, {"vbYellow", 0xFFFF},   {"vbCyan", 0xFFFF00},
    {"vbMaroon", 0x80},        {"vbOlive", 0x8080},     {"vbNavy", 0x800000},   {"vbPurple", 0x800080},
    {"vbTeal", 0x808000},      {"vbGray", 0x808080},    {"vbSilver", 0xC0C0C0}, {"vbViolet", 0x9020D0},
    {"vbOrange", 0xA5FF},      {"vbGold", 0xAACC},      {"vbIvory", 0xF0FFFF},  {"vbPeach", 0xB9DAFF},
    {"vbTurquoise", 0xD1CE00}, {"vbTan", 0x8CB4D2},     {"vbBrown", 0x4466},
};

constexpr NamedColor kSystemColors[] = {
    {"vbScrollBars", 0x80000000},
    {"vbDesktop", 0x80000001},
    {"vbActiveTitleBar", 0x80000002},
    {"vbInactiveTitleBar", 0x80000003},
    {"vbMenuBar", 0x80000004},
    {"vbWindowBackground", 0x80000005},
    {"vbWindowFrame", 0x80000006},
    {"vbMenuText", 0x80000007},
    {"vbWindowText", 0x80000008},
    {"vbTitleBarText", 0x80000009},
    {"vbActiveBorder", 0x8000000A},
    {"vbInactiveBorder", 0x8000000B},
    {"vbApplicationWorkspace", 0x8000000C},
    {"vbHighlight", 0x8000000D},
    {"vbHighlightText", 0x8000000E},
    {"vbButtonFace", 0x8000000F},
    {"vbButtonShadow", 0x80000010},
    {"vbGrayText", 0x80000011},
    {"vbButtonText", 0x80000012},
    {"vbInactiveCaptionText", 0x80000013},
    {"vb3DHighlight", 0x80000014},
    {"vb3DDKShadow", 0x80000015},
    {"vb3DLight", 0x80000016},
    {"vb3DFace", 0x8000000F},
    {"vb3Dshadow", 0x80000010},
    {"vbInfoText", 0x80000017},
    {"vbInfoBackground", 0x80000018},
};

// A decimal number as the caption writes it (blanks around it allowed), rounded to 32 bits.
bool ParseNumber(std::string_view value, int32_t& out) {
  const std::string text = TrimBlanks(value);
  if (text.empty()) return false;
  double number = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, number);
  if (ec != std::errc() || ptr != end || !std::isfinite(number)) return false;
  const std::optional<int32_t> colour = rt::ColourOf(number);  // 0x80000005 may be written in decimal
  if (!colour) return false;
  out = *colour;
  return true;
}

// "&H" and up to eight hexadecimal digits, read as 32 bits (so "&H80000005" names a system colour).
bool ParseHex(std::string_view value, int32_t& out) {
  const std::string text = TrimBlanks(value);
  if (!StartsWithNoCase(text, "&H") || text.size() < 3 || text.size() > 10) return false;
  uint32_t number = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data() + 2, end, number, 16);
  if (ec != std::errc() || ptr != end) return false;
  out = static_cast<int32_t>(number);
  return true;
}

int Channel(double value) { return static_cast<int>(rt::RoundHalfEven(std::clamp(value, 0.0, 255.0))); }

}  // namespace

uint32_t ResolveColor(int32_t color, const SystemColorFn& systemColor) {
  if (color >= 0) return static_cast<uint32_t>(color);
  return systemColor ? systemColor(color & 0xFF) : 0;
}

uint32_t ColorFromName(std::string_view value, uint32_t defaultColor, const SystemColorFn& systemColor) {
  int32_t number = 0;
  if (ParseNumber(value, number)) return ResolveColor(number, systemColor);
  for (const NamedColor& c : kNamedColors)
    if (EqualsNoCase(value, c.name)) return c.value;
  for (const NamedColor& c : kSystemColors)
    if (EqualsNoCase(value, c.name)) return ResolveColor(static_cast<int32_t>(c.value), systemColor);
  if (ParseHex(value, number)) return ResolveColor(number, systemColor);
  return defaultColor;
}

std::vector<uint32_t> MakeColorRamp(size_t count, uint32_t from, uint32_t to) {
  std::vector<uint32_t> ramp(count);
  if (count == 0) return ramp;
  // Green and blue are read with the divisors 255 and 65280, as the colour dialogs of the host
  // language did; the clamp below keeps the result a colour.
  auto channels = [](uint32_t c) {
    return std::array<double, 3>{double(c & 0xFF), double(c & 0xFF00) / 255.0, double(c & 0xFF0000) / 65280.0};
  };
  std::array<double, 3> value = channels(from);
  const std::array<double, 3> end = channels(to);
  const double steps = count > 1 ? double(count - 1) : 1.0;
  for (size_t i = 0; i < count; ++i) {
    for (int k = 0; k < 3; ++k) value[k] = std::clamp(value[k] + (end[k] - channels(from)[k]) / steps, 0.0, 255.0);
    ramp[i] = uint32_t(Channel(value[0])) | uint32_t(Channel(value[1])) << 8 | uint32_t(Channel(value[2])) << 16;
  }
  return ramp;
}

int GradientBandWidth(int screenPixels, int span) {
  if (span <= 0) return 1;
  return screenPixels / span < 5 ? 2 : 1;
}

}  // namespace modMenus
