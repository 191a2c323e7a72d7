#include <gtest/gtest.h>

#include <algorithm>

#include "side_bar_caption.h"
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
  // The middle counts from 1: "aa bb cc" has its 4th character there, and the blank before it is
  // nearer than the one after.
  std::vector<std::string> even{"aa bb cc"};
  EXPECT_EQ(SplitSideBarLines(even, false, TenPerChar, 50), "aa\r\nbb cc");
  std::vector<std::string> odd{"a bb c"};  // the 3rd character: both blanks one away, the earlier wins
  EXPECT_EQ(SplitSideBarLines(odd, false, TenPerChar, 30), "a\r\nbb c");
  EXPECT_EQ(SideBarLineText(" Tarnwick<br>Plus<br0>Menus "), "Tarnwick Plus Menus");
}

TEST(SideBarText, EveryKeyReadsBackAsTheCaptionWroteIt) {
  // What the caption builder writes comes back, whatever the text has in common with the keys.
  struct Case {
    SideBarLook look;
    const char* font;  // as read back
  } cases[] = {
      {{.text = "a", .font = "Arial"}, "Arial"},
      {{.text = "A", .font = "Arial", .align = 2}, "Arial"},
      {{.text = "", .font = "Times New Roman"}, "Times New Roman"},  // written as " "
      {{.text = "1", .font = "Tahoma", .fSize = 14}, "Tahoma"},
      {{.text = "Bold Italic", .font = "Verdana", .width = 40, .align = 1}, "Verdana"},
      {{.text = "Font:Wingdings", .font = "Georgia", .bColor = 255}, "Georgia"},
      {{.text = "x", .font = ""}, "Arial"},
  };
  for (Case& c : cases) {
    const std::string caption = BuildSideBarCaption(c.look);
    const SideBarSpec spec = ReadSideBarSpec(caption, 0xABCDEF, NoSystemColor);
    EXPECT_EQ(spec.text, c.look.text) << caption;
    EXPECT_EQ(spec.font, c.font) << caption;
    EXPECT_EQ(spec.size, std::clamp<double>(c.look.fSize < 9 ? 9 : c.look.fSize, 7, 24)) << caption;
    EXPECT_FALSE(spec.bold || spec.italic || spec.underline) << caption;
    EXPECT_EQ(spec.backColor, c.look.bColor) << caption;
    EXPECT_EQ(spec.width, std::max<int>(35, c.look.width)) << caption;
    EXPECT_EQ(spec.align, c.look.align == 1 ? SideBarAlign::Top
                          : c.look.align == 2 ? SideBarAlign::Bottom
                                              : SideBarAlign::Center)
        << caption;
  }
  // Keys written without a value read as "0", as the caption language reads every such key; keys
  // left out read as their defaults.
  const SideBarSpec empty = ReadSideBarSpec("{Sidebar|Text:|Font:|FSize:|MinFSize:|Width:|}", 0xABCDEF, NoSystemColor);
  EXPECT_EQ(empty.text, "0");
  EXPECT_EQ(empty.font, "0");
  EXPECT_EQ(empty.size, 7);
  EXPECT_EQ(empty.minSize, 5);
  EXPECT_EQ(empty.width, 35);
  const SideBarSpec absent = ReadSideBarSpec("{Sidebar|}", 0xABCDEF, NoSystemColor);
  EXPECT_EQ(absent.text, "Pendrix<br>Menus");
  EXPECT_EQ(absent.font, "Arial");
  EXPECT_EQ(absent.size, 11);
}

TEST(SideBarText, NumbersBeyondTheirRangeAreKeptWithinIt) {
  struct Case {
    const char* block;
    int width;
    double size, minSize;
  } cases[] = {
      {"{Width:2999999991|FSize:1e308|MinFSize:-1e308|", 32767, 24, 5},
      {"{Width:-2999999991|FSize:-40|MinFSize:99|", 35, 7, 7},
      {"{Width:inf|FSize:inf|MinFSize:inf|", 32767, 24, 24},
      {"{Width:-inf|FSize:-inf|MinFSize:-inf|", 35, 7, 5},
      {"{Width:nan|FSize:nan|MinFSize:nan|", 35, 11, 5},
      // Beyond a double's range a number is held as an infinite one is.
      {"{Width:1e999|FSize:0x1p99999|MinFSize:12abc|", 32767, 24, 5},
      {"{Width:-1e999|FSize:-1e999|MinFSize:1e-999|", 35, 7, 5},
      {"{Width:80.6|FSize:12.5|MinFSize:8|", 80, 12.5, 8},
  };
  for (const Case& c : cases) {
    const SideBarSpec spec = ReadSideBarSpec(c.block, 0, NoSystemColor);
    EXPECT_EQ(spec.width, c.width) << c.block;
    EXPECT_EQ(spec.size, c.size) << c.block;
    EXPECT_EQ(spec.minSize, c.minSize) << c.block;
  }
}

TEST(SideBarText, MinusOneIsTheAutomaticBackgroundNeverASystemColour) {
  // As is a value that names no colour.
  for (const char* block : {"{Sidebar|BColor:-1|", "{Sidebar|BColor: -1 |", "{Sidebar|", "{Sidebar|BColor:pink|",
                            "{Sidebar|BColor:&Hxyz|"}) {
    const SideBarSpec spec = ReadSideBarSpec(block, 0xABCDEF, NoSystemColor);
    EXPECT_TRUE(spec.automaticBack) << block;
    EXPECT_EQ(spec.backColor, 0xABCDEFu) << block;  // the menu colour, where there is no picture
  }
  const SideBarSpec given = ReadSideBarSpec("{Sidebar|BColor:vbRed|", 0xABCDEF, NoSystemColor);
  EXPECT_FALSE(given.automaticBack);
  EXPECT_EQ(given.backColor, 0xFFu);
  const SideBarSpec menu = ReadSideBarSpec("{Sidebar|BColor:1|", 0xABCDEF, NoSystemColor);
  EXPECT_FALSE(menu.automaticBack);
  EXPECT_EQ(menu.backColor, 0xABCDEFu);
}

}  // namespace
