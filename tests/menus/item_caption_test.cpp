#include <gtest/gtest.h>

#include <string>

#include "item_caption.h"

namespace {

using namespace modMenus;

TEST(ItemCaption, TextTipDefaultAndRightColumn) {
  ItemCaption open = ParseItemCaption("Open{Tip:Opens a file|Default}", 1, 0, "none");
  EXPECT_EQ(open.displayText, "Open");
  EXPECT_EQ(open.tip, "Opens a file");
  EXPECT_TRUE(open.flags & kDefault);
  EXPECT_FALSE(open.separator);

  EXPECT_EQ(ParseItemCaption("Save\tCtrl+S", 1, 0, "").rightText, "Ctrl+S");
  EXPECT_EQ(ParseItemCaption("Save{HotKey:Ctrl+S}\tF2", 1, 0, "").rightText, "Ctrl+S");
  EXPECT_EQ(ParseItemCaption("Save", 1, 0, "the default").tip, "the default");
  EXPECT_EQ(ParseItemCaption("A & B", 1, 0, "").displayText, "A && B");
  EXPECT_EQ(ParseItemCaption("Program Help{img:I2}", 1, kChecked, "").flags, kChecked);
  // A submenu's item has no right-hand column once it has a block.
  EXPECT_EQ(ParseItemCaption("More{img:I2}\tx", 1, kHasSubmenu, "").rightText, "");
}

TEST(ItemCaption, Separators) {
  ItemCaption titled = ParseItemCaption("-Options", 3, kChecked, "");
  EXPECT_TRUE(titled.separator);
  EXPECT_EQ(titled.displayText, "Options");
  EXPECT_EQ(titled.flags, kSeparator | kDisabled);
  EXPECT_TRUE(ParseItemCaption("", 3, 0, "").separator);
  EXPECT_TRUE(ParseItemCaption("-", 3, 0, "").displayText.empty());
  EXPECT_EQ(ParseItemCaption("-{Raised}", 3, 0, "").flags, kRaised | kSeparator | kDisabled);
  // The side bar's flag away from the top makes a plain separator.
  ItemCaption late = ParseItemCaption("Late{Sidebar}", 2, 0, "");
  EXPECT_TRUE(late.separator);
  EXPECT_FALSE(late.sideBar);
}

TEST(ItemCaption, SideBarOnTheFirstItem) {
  ItemCaption bar = ParseItemCaption("{Sidebar|Text:A<br>B|SBDisabled|Tip:Visit}", 0, kDefault | kChecked, "");
  EXPECT_TRUE(bar.sideBar);
  EXPECT_FALSE(bar.separator);
  EXPECT_EQ(bar.flags, kSideBar | kChecked | kDisabled);
  EXPECT_TRUE(bar.disabledState);
  EXPECT_EQ(bar.rightText, "Remeasure");
  EXPECT_EQ(bar.tip, "Visit");
}

TEST(ItemCaption, KeysTheEngineWritesForGeneratedItems) {
  ItemCaption red = ParseItemCaption("Red{gControl:7x|lvID:|LColor:255|gType:300}", 1, 0, "");
  EXPECT_TRUE(red.generated);
  EXPECT_EQ(red.controlValue, 7);
  EXPECT_EQ(red.controlType, 300 & 0xFF);
  EXPECT_TRUE(red.flags & kColorItem);
  ItemCaption state = ParseItemCaption("Ohio{gControl:0|LState:OH|LFont:Arial}", 1, 0, "");
  EXPECT_EQ(state.rightText, "OH");
  EXPECT_TRUE(state.flags & kFontItem);
  // A control's number beyond 32 bits is held at the end of the range, not wrapped.
  EXPECT_EQ(ParseItemCaption("Far{gControl:4294967303}", 1, 0, "").controlValue, INT32_MAX);
  // A window handle with its top bit set is the handle it was, written on 32 bits or as its sign
  // extension on 64.
  for (const char* written : {"2147488308", "18446744071562072628"})
    EXPECT_EQ(ParseItemCaption(std::string("Top{gControl:") + written + "}", 1, 0, "").controlValue,
              static_cast<int32_t>(0x80001234u))
        << written;
}

}  // namespace
