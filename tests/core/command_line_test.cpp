#include "command_line.h"

#include <gtest/gtest.h>

#include "shared_state.h"

using DozIzevodoz::FindActionLetter;
using DozIzevodoz::LastArgument;

TEST(LastArgument, TakesTheLastOfAtMostTenArguments) {
  struct Case { const char* text; const char* last; };  // nullptr: no argument
  const Case cases[] = {
      {"/S", "S"},
      {"s", "s"},
      {"/S /R", "R"},
      {"-S", "-S"},
      {"Shut", "Shut"},
      {"x y z", "z"},
      {"\"C:\\a b\\x\" /R", "R"},
      {"\t\"S\"", "S"},
      {"a/b", "b"},
      {"1 2 3 4 5 6 7 8 9 10 11", "10"},
      {"", nullptr},
      {"  / \"\"\t", nullptr},
  };
  for (const Case& c : cases) {
    auto last = LastArgument(c.text);
    if (c.last == nullptr) {
      EXPECT_FALSE(last.has_value()) << c.text;
    } else {
      EXPECT_EQ(last.value_or("<none>"), c.last) << c.text;
    }
  }
}

TEST(LastArgument, HonoursAnotherBound) {
  EXPECT_EQ(LastArgument("a b c", 2).value_or(""), "b");
  EXPECT_FALSE(LastArgument("a b c", 0).has_value());
}

TEST(ActionLetters, MatchOneLetterInEitherCaseOnly) {
  struct Case { const char* argument; int32_t code; const char* name; };
  const Case cases[] = {
      {"S", 0, "Shut"}, {"s", 0, "Shut"}, {"R", 2, "Boot"}, {"l", 1, "Log"}, {"P", 4, "Pwr"},
      {"z", DozIzevodoz::kSuspendCode, "Sus"}, {"H", DozIzevodoz::kHibernateCode, "Hib"}, {"f", 0, "Shut"},
  };
  for (const Case& c : cases) {
    const auto* letter = FindActionLetter(c.argument);
    ASSERT_NE(letter, nullptr) << c.argument;
    EXPECT_EQ(letter->actionCode, c.code) << c.argument;
    EXPECT_STREQ(letter->actionName, c.name) << c.argument;
  }
  for (const char* other : {"", "O", "o", "-S", "Shut", "SS", "x", "1"})
    EXPECT_EQ(FindActionLetter(other), nullptr) << other;
  EXPECT_TRUE(FindActionLetter("F")->forced);
  EXPECT_FALSE(FindActionLetter("S")->forced);
  EXPECT_EQ(DozIzevodoz::kSuspendCode, -32760);
  EXPECT_EQ(DozIzevodoz::kHibernateCode, -32752);
}

TEST(ActionLetters, NameTheCapabilityTheyNeedAndItsMessage) {
  using DozIzevodoz::NotSupportedText;
  EXPECT_STREQ(NotSupportedText(FindActionLetter("Z")->needs), "Suspend Is Not Supported On This System");
  EXPECT_STREQ(NotSupportedText(FindActionLetter("H")->needs), "Hibernate Is Not Supported On This System");
  EXPECT_STREQ(NotSupportedText(FindActionLetter("P")->needs), "PowerOff Is Not Supported On This System");
  for (const char* letter : {"R", "L", "S", "F"})
    EXPECT_EQ(FindActionLetter(letter)->needs, DozIzevodoz::Capability::None) << letter;
}
