#include "side_bar_text.h"

#include <algorithm>

#include "caption_language.h"
#include "caption_text.h"

namespace modMenus {
namespace {

double NumberOr(std::string_view text, double fallback) {
  try {
    size_t used = 0;
    const std::string value = Trim(text);
    const double number = std::stod(value, &used);
    return used == value.size() ? number : fallback;
  } catch (...) {
    return fallback;
  }
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) joined += (i ? "\r\n" : "") + lines[i];
  ReplaceAll(joined, "<br>", " ");
  ReplaceAll(joined, "<br0>", " ");
  return joined;
}

// The blank nearest the middle of line; the earlier one when two are equally near.
size_t MiddleBlank(const std::string& line) {
  const size_t middle = line.size() / 2;
  const size_t last = line.size() - 1;
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
  spec.text = GetAttribute(block, "Text:");
  if (spec.text.empty()) spec.text = "Pendrix<br>Menus";
  std::string rest(block);
  EraseAllNoCase(rest, spec.text);  // words of the text are not keys
  spec.font = GetAttribute(rest, "Font:");
  if (spec.font.empty()) spec.font = "Arial";
  spec.size = std::clamp(NumberOr(GetAttribute(rest, "FSize:"), 11), 7.0, 24.0);
  spec.minSize = std::clamp(NumberOr(GetAttribute(rest, "MinFSize:"), 5), 5.0, std::max(5.0, spec.size));
  spec.bold = !GetAttribute(rest, "Bold").empty();
  spec.italic = !GetAttribute(rest, "Italic").empty();
  spec.underline = !GetAttribute(rest, "Underline").empty();
  spec.textColor = ColorFromName(GetAttribute(rest, "FColor:"), 0, systemColor);
  const std::string back = GetAttribute(rest, "BColor:");
  spec.backColor = back.empty() || Trim(back) == "1" ? menuColor : ColorFromName(back, menuColor, systemColor);
  const uint32_t gradient = ColorFromName(GetAttribute(rest, "GColor:"), 1, systemColor);
  spec.gradient = gradient != 1 && gradient != spec.backColor;
  spec.gradientColor = gradient;
  spec.width = std::max(35, static_cast<int>(NumberOr(GetAttribute(rest, "Width:"), 35)));
  const std::string align = GetAttribute(rest, "Align:");
  spec.align = EqualsNoCase(Trim(align), "Top")   ? SideBarAlign::Top
               : EqualsNoCase(Trim(align), "Bot") ? SideBarAlign::Bottom
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
  text = Trim(text);
  ReplaceAll(text, "<br0>", " ");
  return text;
}

}  // namespace modMenus
