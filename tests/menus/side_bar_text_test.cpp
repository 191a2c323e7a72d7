#include <gtest/gtest.h>

#include "side_bar_text.h"

namespace {

using namespace modMenus;

uint32_t NoSystemColor(int) { return 0x123456; }
int TenPerChar(std::string_view s) { return static_cast<int>(s.size()) * 10; }

TEST(SideBarText, KeysDefaultsAndLimits) {
  SideBarSpec spec = ReadSideBarSpec(
      "{Sidebar|Text:Bold words|FSize:30|MinFSize:40|Width:20|Align:bot|"
      "FColor:vbRed|BColor:1|GColor:vbPeach|}",
      0xABCDEF, NoSystemColor);
  EXPECT_EQ(spec.text, "Bold words");
  EXPECT_FALSE(spec.bold);  // the word in the text is not the key
  EXPECT_EQ(spec.font, "Arial");
  EXPECT_EQ(spec.size, 24);
  EXPECT_EQ(spec.minSize, 24);
  EXPECT_EQ(spec.width, 35);
  EXPECT_EQ(spec.align, SideBarAlign::Bottom);
  EXPECT_EQ(spec.textColor, 0xFFu);
  EXPECT_EQ(spec.backColor, 0xABCDEFu);  // 1: the menu colour
  EXPECT_TRUE(spec.gradient);
  EXPECT_EQ(spec.gradientColor, 0xB9DAFFu);

  SideBarSpec plain = ReadSideBarSpec("{Sidebar|FSize:3|GColor:1|Bold|}", 0xABCDEF, NoSystemColor);
  EXPECT_EQ(plain.text, "Pendrix<br>Menus");
  EXPECT_EQ(plain.size, 7);
  EXPECT_EQ(plain.minSize, 5);
  EXPECT_TRUE(plain.bold);
  EXPECT_FALSE(plain.gradient);
  EXPECT_EQ(plain.align, SideBarAlign::Center);
}

TEST(SideBarText, HardBreaksAlwaysSoftBreaksOneAtATime) {
  std::vector<std::string> lines{"A<br!>B<br>C D"};
  EXPECT_EQ(SplitSideBarLines(lines, true, TenPerChar, 1000), "A\r\nB C D");
  EXPECT_EQ(SplitSideBarLines(lines, false, TenPerChar, 1000), "A\r\nB\r\nC D");
  // No tag left: the first line that is too long breaks at the blank nearest its middle.
  EXPECT_EQ(SplitSideBarLines(lines, false, TenPerChar, 20), "A\r\nB\r\nC\r\nD");
  EXPECT_EQ(SplitSideBarLines(lines, false, TenPerChar, 20), "");  // nothing left to break
}

TEST(SideBarText, NonBreakingBlanksAndTheMiddleBlank) {
  std::vector<std::string> lines{"one<br0>two three"};
  EXPECT_EQ(SplitSideBarLines(lines, false, TenPerChar, 50), "one two\r\nthree");
  std::vector<std::string> even{"ab cd ef"};  // blanks at 2 and 5, middle 4: 5 is nearer
  EXPECT_EQ(SplitSideBarLines(even, false, TenPerChar, 50), "ab cd\r\nef");
  EXPECT_EQ(SideBarLineText(" Tarnwick<br>Plus<br0>Menus "), "Tarnwick Plus Menus");
}

}  // namespace
