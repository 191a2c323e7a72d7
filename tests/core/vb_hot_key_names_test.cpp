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
