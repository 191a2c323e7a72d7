#include "caption_language.h"

#include <gtest/gtest.h>

namespace {

using modMenus::GetAttribute;
using modMenus::SplitCaption;

TEST(CaptionLanguage, AttributesByKey) {
  struct Case {
    const char* text;
    const char* key;
    const char* value;
  } cases[] = {
      {"Open{Tip:Opens a file|Default}", "Tip:", "Opens a file"},
      {"Open{Tip:Opens a file|Default}", "Default", "True"},
      {"{Tip:Use Bold|Italic}x", "Tip:", "Use Bold"},
      {"{Tip:Use Bold|Italic}x", "Bold", ""},  // a word of the tip is no key
      {"{Tip:Use Bold|Italic}x", "Italic", "True"},
      {"{Sidebar|MinFSize:9}", "FSize:", ""},  // a key follows "|", "{" or ":"
      {"{Sidebar|MinFSize:9}", "MinFSize:", "9"},
      {"{Sidebar|Width:}", "Width:", "0"},  // present without a value
      {"{Sidebar|Text:A<br>B|Font:Tahoma|FSize:14}", "font:", "Tahoma"},
      {"{Sidebar|Text:A<br>B|Font:Tahoma|FSize:14}", "Text:", "A<br>B"},
      {"{img:I13}", "IMG:", "I13"},
      {"{img:I13", "IMG:", ""},  // no end to the value
      {"{Tip:never ends", "Tip:", ""},
      {"ab", "ab", ""},
      {"{Sidebar|Bold|Tip:Click Bold Here}", "Bold", "True"},
      {"{Sidebar|Tip:Click|Bold|Tip:Click}", "Tip:", "Click"},
      {"Save|HotKey:Ctrl+S|", "HotKey:", "Ctrl+S"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetAttribute(c.text, c.key), c.value) << c.text << " / " << c.key;
}

TEST(CaptionLanguage, SplitCaptionTakesTheBlockAndTheRightColumnApart) {
  struct Case {
    const char* caption;
    const char* visible;
    const char* block;
    const char* right;
  } cases[] = {
      {"Open{Tip:Opens a file|Default}", "Open", "{Tip:Opens a file|Default|", ""},
      {"Save\tCtrl+S", "Save", "", "Ctrl+S"},
      {"  Save {HotKey:Ctrl+S} \tF2", "Save", "{HotKey:Ctrl+S|", "F2"},
      {"\tOnly right", "", "", "Only right"},
      {"{x}A{X}", "A", "{x|", ""},  // every copy of the block goes, whatever its case
      {"-Options", "-Options", "", ""},
      {"", "", "", ""},
      {"No {end", "No {end", "", ""},
  };
  for (const Case& c : cases) {
    modMenus::SplitCaptionResult r = SplitCaption(c.caption);
    EXPECT_EQ(r.visible, c.visible) << c.caption;
    EXPECT_EQ(r.block, c.block) << c.caption;
    EXPECT_EQ(r.right, c.right) << c.caption;
  }
}

TEST(CaptionLanguage, ASplitBlockStillAnswersForItsLastEntry) {
  modMenus::SplitCaptionResult r = SplitCaption("Exit{img:I20|Raised}");
  EXPECT_EQ(GetAttribute(r.block, "Raised"), "True");
  EXPECT_EQ(GetAttribute(r.block, "img:"), "I20");
}

TEST(CaptionLanguage, VisibleTextLeavesTheBlockAndTheRightColumnOut) {
  struct Case {
    const char* caption;
    const char* visible;
  } cases[] = {
      {"Program Help{img:I2}", "Program Help"},
      {"Force Off{img:I13}", "Force Off"},
      {"{Sidebar|Text:A<br>B|Width:32}", ""},
      {"QuickLaunch Toolbar", "QuickLaunch Toolbar"},
      {"  Open {img:I1} File \tCtrl+O", "Open  File"},
      {"Half {open", "Half {open"},
      {"A{x}B{y}", "AB{y}"},
      {"-", "-"},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCaption(c.caption).visible, c.visible) << c.caption;
}

}  // namespace
