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

inline constexpr std::string_view kDefaultSideBarText = "Pendrix<br>Menus";
inline constexpr std::string_view kDefaultSideBarFont = "Arial";
// The strip's width in pixels: never narrower than 35, and no wider than a caption can write.
inline constexpr int kMinSideBarWidth = 35, kMaxSideBarWidth = 32767;

enum class SideBarAlign { Center, Top, Bottom };

struct SideBarSpec {
  std::string text;  // with its line-break tags
  std::string font;
  double size = 11, minSize = 5;  // points; size within 7..24, minSize within 5..size
  bool bold = false, italic = false, underline = false;
  uint32_t textColor = 0;
  uint32_t backColor = 0;
  // No "BColor:", -1 or a value that names no colour: a picture strip takes its bitmap's
  // top-left colour, one colour only (backColor then holds the menu colour, which a text strip and
  // an icon strip take).
  bool automaticBack = false;
  bool gradient = false;  // backColor to gradientColor, top to bottom
  uint32_t gradientColor = 0;
  int width = kMinSideBarWidth;
  SideBarAlign align = SideBarAlign::Center;
};

// menuColor is the platform's menu colour (the background of "BColor:1" and of no "BColor:").
// Every number is kept within its limits; a key written without a value reads as "0", as the
// caption language reads it.
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
