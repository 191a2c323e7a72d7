// The tray's platform-free rules: shortcut contents, the about texts, the hot-key boxes of the
// stored values and the options dialog's change and input checks.
#include <gtest/gtest.h>

#include "about_texts.h"
#include "hot_key_boxes.h"
#include "option_rules.h"
#include "shortcut_contents.h"

using namespace tray;

namespace {

TEST(ShortcutSpec, EachKindNamesItsActionAndLetter) {
  struct Case { int kind; const char* file; const char* args; const char* description; };
  const Case cases[] = {
      {0, "Shutdown.lnk", "/S", "Shutdown Windows"},   {2, "Reboot.lnk", "/R", "Reboot Windows"},
      {1, "Logoff.lnk", "/L", "Logoff Windows"},       {4, "Poweroff.lnk", "/P", "Poweroff Windows"},
      {8, "Suspend.lnk", "/Z", "Suspend Windows"},     {16, "Hibernate.lnk", "/H", "Hibernate Windows"},
      // The first bit in the order reboot, power off, log off, suspend, hibernate wins.
      {2 | 1, "Reboot.lnk", "/R", "Reboot Windows"},   {4 | 1 | 8, "Poweroff.lnk", "/P", "Poweroff Windows"},
      {8 | 16, "Suspend.lnk", "/Z", "Suspend Windows"}, {32, "Shutdown.lnk", "/S", "Shutdown Windows"},
  };
  for (const Case& c : cases) {
    ShortcutContents s = ShortcutSpec(c.kind, "C:\\Prog\\");
    EXPECT_EQ(s.fileName, c.file) << c.kind;
    EXPECT_EQ(s.arguments, c.args) << c.kind;
    EXPECT_EQ(s.description, c.description) << c.kind;
    EXPECT_EQ(s.showCommand, 1) << c.kind;
  }
}

TEST(ShortcutSpec, TargetAndWorkingFolderHaveOneSeparator) {
  struct Case { const char* progDir; const char* exe; const char* target; const char* workingDir; };
  const Case cases[] = {
      {"C:\\", "Tarnwick.exe", "C:\\Tarnwick.exe", "C:\\"},
      {"C:\\A B", "Tarnwick.exe", "C:\\A B\\Tarnwick.exe", "C:\\A B\\"},
      {"C:\\A B\\", "Tarnwick.exe", "C:\\A B\\Tarnwick.exe", "C:\\A B\\"},
      {"D:\\Tools", "tarnwick-4.exe", "D:\\Tools\\tarnwick-4.exe", "D:\\Tools\\"},
  };
  for (const Case& c : cases) {
    ShortcutContents s = ShortcutSpec(0, c.progDir, c.exe);
    EXPECT_EQ(s.target, c.target) << c.progDir;
    EXPECT_EQ(s.workingDir, c.workingDir) << c.progDir;
  }
}

TEST(ShortcutSpec, DestinationFolders) {
  EXPECT_EQ(ShortcutFolder("Desktop", "C:\\Users\\u\\Desktop", "C:\\AppData"), "C:\\Users\\u\\Desktop");
  // No doubled separator, however the application-data folder ends.
  const std::string quickLaunch = "C:\\AppData\\Microsoft\\Internet Explorer\\Quick Launch";
  EXPECT_EQ(ShortcutFolder("QuickLaunch", "", "C:\\AppData"), quickLaunch);
  EXPECT_EQ(ShortcutFolder("QuickLaunch", "", "C:\\AppData\\"), quickLaunch);
  // An unknown folder gives none, never a path relative to the current folder.
  EXPECT_EQ(ShortcutFolder("Desktop", "", "C:\\AppData"), "");
  EXPECT_EQ(ShortcutFolder("QuickLaunch", "C:\\Desk", ""), "");
  EXPECT_EQ(ShortcutFolder("desktop", "C:\\Desk", "C:\\AppData"), "");
  EXPECT_TRUE(IsShortcutDestination("Desktop"));
  EXPECT_TRUE(IsShortcutDestination("QuickLaunch"));
  EXPECT_FALSE(IsShortcutDestination("Quick Launch"));
  EXPECT_FALSE(IsShortcutDestination(""));
}

TEST(AboutTexts, FromTheVersionBlock) {
  struct Case {
    const char* what;
    int major, minor, revision;
    const char* legal;
    const char* caption;
    const char* version;
  };
  const Case cases[] = {
      {"revision 0 is left out", 4, 5, 0, "", "About Moxbel Tarnwick v4.5", "Version 4.5\r\n"},
      {"revision 3 is shown", 4, 5, 3, "", "About Moxbel Tarnwick v4.5.3", "Version 4.5.3\r\n"},
      {"(c) and \\n", 4, 5, 0, "Copyright (c) 2026 Moxbel\\nAll rights reserved.", "About Moxbel Tarnwick v4.5",
       "Version 4.5\r\nCopyright \xC2\xA9 2026 Moxbel\r\nAll rights reserved."},
      {"(C) stays, \\N breaks the line too", 4, 5, 0, "(C) Moxbel\\NTwo (c)(c)", "About Moxbel Tarnwick v4.5",
       "Version 4.5\r\n(C) Moxbel\r\nTwo \xC2\xA9\xC2\xA9"},
      {"a lone backslash stays", 1, 0, 0, "a\\b\\", "About Moxbel Tarnwick v1.0", "Version 1.0\r\na\\b\\"},
  };
  for (const Case& c : cases) {
    AboutTextSet texts = AboutTexts({"Moxbel Tarnwick", c.legal, "One\\ntwo", c.major, c.minor, c.revision});
    EXPECT_EQ(texts.caption, c.caption) << c.what;
    EXPECT_EQ(texts.title, "Moxbel Tarnwick") << c.what;
    EXPECT_EQ(texts.version, c.version) << c.what;
    EXPECT_EQ(texts.comments, "One\r\ntwo") << c.what;
  }
}

TEST(HotKeyBoxes, TheBoxFollowsTheKeyNameNotTheValueName) {
  auto ticked = [](std::initializer_list<std::pair<int, const char*>> values) {
    StoredHotKeys stored;
    for (auto [n, name] : values) stored[n] = name;
    std::string boxes;
    auto result = TickedHotKeyBoxes(stored);
    for (size_t i = 0; i < result.size(); ++i)
      if (result[i]) boxes += std::string(kHotKeyBoxes[i].box) + " ";
    return boxes;
  };
  EXPECT_EQ(ticked({}), "");
  EXPECT_EQ(ticked({{4, "VK_S"}}), "cSetS ");
  EXPECT_EQ(ticked({{6, "VK_N"}, {8, "VK_O"}, {9, "VK_ENTER"}, {10, "VK_F"}}), "");
  // An unknown name after a known one ticks nothing more (not the box of the name before it).
  EXPECT_EQ(ticked({{0, "VK_S"}, {1, "junk"}}), "cSetS ");
  EXPECT_EQ(ticked({{1, "vk_r"}}), "");  // names are exact
  EXPECT_EQ(ticked({{0, "VK_S"}, {1, "VK_R"}, {2, "VK_P"}, {3, "VK_L"}, {4, "VK_H"}, {5, "VK_Z"}, {7, "VK_X"},
                    {11, "VK_S"}}),
            "cSetS cSetR cSetL cSetP cSetZ cSetH cSetX ");
}

TEST(OptionRules, DefaultsForEmptySettings) {
  EXPECT_EQ(ShownOptionTexts({}), (OptionTexts{"Windows Will Now!", "32", "10"}));
  EXPECT_EQ(ShownOptionTexts({"Bye", "20", "9"}), (OptionTexts{"Bye", "20", "9"}));
  // Stored as typed, shown as stored: only an empty text takes the default.
  EXPECT_EQ(ShownOptionTexts({" ", "x", "0"}), (OptionTexts{" ", "x", "0"}));
}

TEST(OptionRules, ChangeIsAnyExactDifference) {
  const OptionTexts kept{"Windows Will Now!", "32", "5"};
  EXPECT_FALSE(OptionsChanged(kept, kept));
  EXPECT_TRUE(OptionsChanged(kept, {"windows will now!", "32", "5"}));  // letter case counts
  EXPECT_TRUE(OptionsChanged(kept, {"Windows Will Now!", "32 ", "5"}));
  EXPECT_TRUE(OptionsChanged(kept, {"Windows Will Now!", "32", "6"}));
  EXPECT_TRUE(OptionsChanged(kept, {"Windows Will Now!\r\n", "32", "5"}));
}

}  // namespace
