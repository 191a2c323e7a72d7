#include <gtest/gtest.h>

#include "side_bar_caption.h"

namespace {

using modMenus::BuildSideBarCaption;
using modMenus::SideBarLook;

TEST(SideBarCaption, TrayLookGivesTheKeysInTheirOrder) {
  SideBarLook look{.text = "Moxbel<br>Tarnwick Plus<br>Menus", .font = "Tahoma", .fSize = 14, .minFSize = 10,
                   .bold = true, .underline = true, .italic = false, .fColor = 15794175, .bColor = 0,
                   .gColor = 255, .width = 32, .align = 0, .noScroll = true,
                   .tip = "Click To Visit Moxbel WebSite!"};
  EXPECT_EQ(BuildSideBarCaption(look),
            "{Sidebar|Text:Moxbel<br>Tarnwick Plus<br>Menus|Font:Tahoma|Tip:Click To Visit Moxbel WebSite!"
            "|FSize:14|MinFSize:10|Bold|Underline|FColor:15794175|BColor:0|GColor:255|Width:32|Align:Ctr|NoScroll}");
}

TEST(SideBarCaption, PlainLookWithoutTipOrGradient) {
  SideBarLook look{.text = "A<br>B", .font = "Tahoma", .fSize = 14, .fColor = 0, .bColor = 16777215, .gColor = 1,
                   .width = 20, .align = 2};
  EXPECT_EQ(BuildSideBarCaption(look),
            "{Sidebar|Text:A<br>B|Font:Tahoma|FSize:14|FColor:0|BColor:16777215|Width:20|Align:Bot}");
}

TEST(SideBarCaption, LimitsAreAppliedAndWrittenBack) {
  SideBarLook look{.fSize = 8, .italic = true, .width = 10, .align = 7, .sbDisabled = true};
  EXPECT_EQ(BuildSideBarCaption(look),
            "{Sidebar|Text: |Font:Arial|FSize:9|Italic|SBDisabled|FColor:0|BColor:0|Width:16}");
  EXPECT_EQ(look.text, " ");
  EXPECT_EQ(look.font, "Arial");
  EXPECT_EQ(look.width, 16);
}

}  // namespace
