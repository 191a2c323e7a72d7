#include "side_bar_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "caption_language.h"
#include "caption_text.h"

namespace modMenus {
namespace {

// A number of the caption within [low, high]; fallback when the text is no number (NaN too).
double NumberIn(std::string_view text, double fallback, double low, double high) {
  const std::string value = TrimBlanks(text);
  if (value.empty()) return fallback;
  // A number beyond a double's range reads as infinite, so "1e999" is held to the range as "inf" is.
  char* end = nullptr;
  const double number = std::strtod(value.c_str(), &end);
  if (end != value.c_str() + value.size() || std::isnan(number)) return fallback;
  return std::clamp(number, low, high);
}

// A key's value as the caption language reads it ("0" for one written without a value); fallback
// when the key is absent.
std::string ValueOr(std::string_view block, std::string_view key, std::string_view fallback = {}) {
  std::string value = GetAttribute(block, key);
  return value.empty() ? std::string(fallback) : value;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\r\n" : "") + lines[i];
  ReplaceAll(joined, "<br>", " ");
  ReplaceAll(joined, "<br0>", " ");
  return joined;
}

// The blank nearest the middle of line; the earlier one when two are equally near. The middle is
// the character at half the length counted from 1, and a missing blank on one side counts as the
// line's last character.
size_t MiddleBlank(const std::string& line) {
  const size_t last = line.size() - 1;
  const size_t middle = std::max<size_t>(line.size() / 2, 1) - 1;
  size_t after = line.find(' ', middle);
  size_t before = line.rfind(' ', middle);
  if (after == std::string::npos) after = last;
  if (before == std::string::npos) before = last;
  const size_t toAfter = after > middle ? after - middle : middle - after;
  const size_t toBefore = before > middle ? before - middle : middle - before;
  return toBefore <= toAfter ? before : after;
}

bool SoftBreak(std::vector<std::string>& lines, const std::function<int(std::string_view)>& measure, int length) {
  for (size_t i = 0; i < lines.size(); ++i) {
    if (const size_t at = lines[i].find("<br>"); at != std::string::npos) {
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines[i].substr(at + 4));
      lines[i].erase(at);
      return true;
    }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find(' ') == std::string::npos || measure(SideBarLineText(lines[i])) + 6 <= length) continue;
    const size_t at = MiddleBlank(lines[i]);
    if (lines[i][at] != ' ') continue;  // no blank on one side and the line's end on the other
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines[i].substr(at + 1));
    lines[i].erase(at);
    return true;
  }
  return false;
}

}  // namespace

SideBarSpec ReadSideBarSpec(std::string_view block, uint32_t menuColor, const SystemColorFn& systemColor) {
  SideBarSpec spec;
  spec.text = ValueOr(block, "Text:", kDefaultSideBarText);
  const std::string rest = RemoveAttribute(block, "Text:");  // words of the text are not keys
  spec.font = ValueOr(rest, "Font:", kDefaultSideBarFont);
  spec.size = NumberIn(ValueOr(rest, "FSize:"), 11, 7, 24);
  spec.minSize = NumberIn(ValueOr(rest, "MinFSize:"), 5, 5, spec.size);
  spec.bold = !GetAttribute(rest, "Bold").empty();
  spec.italic = !GetAttribute(rest, "Italic").empty();
  spec.underline = !GetAttribute(rest, "Underline").empty();
  spec.textColor = ColorFromName(GetAttribute(rest, "FColor:"), 0, systemColor);
  const std::string back = TrimBlanks(GetAttribute(rest, "BColor:"));
  // -1 is "automatic", never system colour 255: a picture strip takes its picture's own corner, as
  // it does for no value and for one that names no colour. No colour reads as 0xFFFFFFFF.
  constexpr uint32_t kNoColor = 0xFFFFFFFF;
  const uint32_t named =
      back.empty() || back == "1" || back == "-1" ? kNoColor : ColorFromName(back, kNoColor, systemColor);
  spec.automaticBack = back != "1" && named == kNoColor;
  spec.backColor = named == kNoColor ? menuColor : named;
  const uint32_t gradient = ColorFromName(GetAttribute(rest, "GColor:"), 1, systemColor);
  spec.gradient = gradient != 1 && gradient != spec.backColor;
  spec.gradientColor = gradient;
  spec.width =
      static_cast<int>(NumberIn(ValueOr(rest, "Width:"), kMinSideBarWidth, kMinSideBarWidth, kMaxSideBarWidth));
  const std::string align = TrimBlanks(GetAttribute(rest, "Align:"));
  spec.align = EqualsNoCase(align, "Top")   ? SideBarAlign::Top
               : EqualsNoCase(align, "Bot") ? SideBarAlign::Bottom
                                            : SideBarAlign::Center;
  return spec;
}

std::string SplitSideBarLines(std::vector<std::string>& lines, bool hardBreaksOnly,
                              const std::function<int(std::string_view)>& measure, int length) {
  if (lines.empty()) lines.emplace_back();
  for (size_t at = lines.back().find("<br!>"); at != std::string::npos; at = lines.back().find("<br!>")) {
    std::string rest = lines.back().substr(at + 5);
    lines.back().erase(at);
    lines.push_back(std::move(rest));
  }
  if (!hardBreaksOnly && !SoftBreak(lines, measure, length)) return {};
  return JoinLines(lines);
}

std::string SideBarLineText(std::string_view line) {
  std::string text(line);
  ReplaceAll(text, "<br>", " ");
  text = TrimBlanks(text);
  ReplaceAll(text, "<br0>", " ");
  return text;
}

}  // namespace modMenus
