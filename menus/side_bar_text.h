#pragma once
// The text side bar's decisions that need no device: what its keys say (with their defaults and
// limits) and how its text is cut into lines when it does not fit the strip.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "menu_colors.h"

namespace modMenus {

enum class SideBarAlign { Center, Top, Bottom };

struct SideBarSpec {
  std::string text;  // with its line-break tags
  std::string font;
  double size = 11, minSize = 5;  // points; size within 7..24, minSize within 5..size
  bool bold = false, italic = false, underline = false;
  uint32_t textColor = 0;
  uint32_t backColor = 0;
  bool gradient = false;  // backColor to gradientColor, top to bottom
  uint32_t gradientColor = 0;
  int width = 35;  // at least 35
  SideBarAlign align = SideBarAlign::Center;
};

// menuColor is the platform's menu colour (the background of "BColor:1" and of no "BColor:").
SideBarSpec ReadSideBarSpec(std::string_view block, uint32_t menuColor, const SystemColorFn& systemColor);

// The default side bar, shown when a picture side bar has no picture.
inline constexpr std::string_view kDefaultSideBarBlock =
    "{Sidebar|Text:Pendrix Menus|FColor:8388608|BColor:12615680|GColor:16776960|Font:Times New Roman|FSize:14|"
    "MinFSize:9|Width:32|Align:Bot}";

// Applies every "<br!>" and, unless hardBreaksOnly, one more break: at the first "<br>", else at
// the blank nearest the middle of the first line that is too long (width + 6 > length). Returns
// the lines joined with CR LF and the tags shown as blanks; "" when a break was asked for and
// none could be made.
std::string SplitSideBarLines(std::vector<std::string>& lines, bool hardBreaksOnly,
                              const std::function<int(std::string_view)>& measure, int length);

// A line as it is drawn: "<br>" and "<br0>" shown as blanks, the ends trimmed.
std::string SideBarLineText(std::string_view line);

}  // namespace modMenus
