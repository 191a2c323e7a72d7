#include "vb_hot_key_names.h"

#include <gtest/gtest.h>

using DozIzevodoz::GetHotKeyId;

TEST(HotKeyNames, EachNameGivesItsCommandAndKey) {
  struct Case { const char* name; uint8_t id; uint8_t vk; };
  const Case cases[] = {{"VK_F", 6, 'F'}, {"VK_L", 3, 'L'}, {"VK_O", 8, 'O'}, {"VK_P", 2, 'P'},
                        {"VK_S", 0, 'S'}, {"VK_H", 4, 'H'}, {"VK_Z", 5, 'Z'}, {"VK_X", 7, 'X'},
                        {"VK_R", 1, 'R'}, {"VK_ENTER", 9, 0x0D}, {"VK_N", 6, 'N'}};
  for (const Case& c : cases) {
    uint8_t id = 99, vk = 99;
    EXPECT_TRUE(GetHotKeyId(c.name, id, vk)) << c.name;
    EXPECT_EQ(id, c.id) << c.name;
    EXPECT_EQ(vk, c.vk) << c.name;
  }
}

TEST(HotKeyNames, UnknownNameChangesNothing) {
  for (const char* name : {"vk_s", "VK_Q", "S", "", "VK_S "}) {
    uint8_t id = 4, vk = 'H';
    EXPECT_FALSE(GetHotKeyId(name, id, vk)) << name;
    EXPECT_EQ(id, 4) << name;
    EXPECT_EQ(vk, 'H') << name;
  }
}

// A skipped value is shown cut after 24 whole characters: a character of several bytes is never
// split, so the box never shows a broken one.
TEST(HotKeyNames, SkippedValuesAreCutAfterWholeCharacters) {
  std::string accented;
  for (int i = 0; i < 30; ++i) accented += "\xC3\xA9";  // é
  std::string shown;
  for (int i = 0; i < 24; ++i) shown += "\xC3\xA9";
  EXPECT_EQ(DozIzevodoz::SkippedHotKeysText({{3, accented}, {5, "\xC3\xA9" + std::string(23, 'x')}}),
            "These hot-key settings name no key and were skipped:\r\n\"3\" = \"" + shown + "...\"\r\n\"5\" = \"\xC3\xA9" +
                std::string(23, 'x') + "\"");
}
