#include "settings_codec.h"

#include <gtest/gtest.h>

using namespace modRegistry;

TEST(SettingsCodec, TopKeyNamesIgnoreCase) {
  EXPECT_EQ(HiveForName("HKCU").value(), 0x80000001u);
  EXPECT_EQ(HiveForName("hkcu").value(), 0x80000001u);
  EXPECT_EQ(HiveForName("HKLM").value(), 0x80000002u);
  EXPECT_EQ(HiveForName("HKU").value(), 0x80000003u);
  EXPECT_EQ(HiveForName("HKDD").value(), 0x80000006u);
  EXPECT_EQ(HiveForName("HKCC").value(), 0x80000005u);
  EXPECT_EQ(HiveForName("HKCR").value(), 0x80000000u);
  EXPECT_FALSE(HiveForName("HKXX").has_value());
  EXPECT_FALSE(HiveForName("HKEY_CURRENT_USER").has_value());
}

TEST(SettingsCodec, TypeLetters) {
  EXPECT_EQ(ParseTypeLetter("S"), ValueType::Text);
  EXPECT_EQ(ParseTypeLetter("s"), ValueType::Text);
  EXPECT_EQ(ParseTypeLetter("b"), ValueType::Boolean);
  EXPECT_EQ(ParseTypeLetter("D"), ValueType::Number);
  EXPECT_EQ(ParseTypeLetter("X"), ValueType::None);
  EXPECT_EQ(ParseTypeLetter("SS"), ValueType::None);
}

TEST(SettingsCodec, TextIsCutAtItsFirstNul) {
  EXPECT_EQ(DecodeText("abc", 3), "abc");
  EXPECT_EQ(DecodeText("abc\0", 4), "abc");
  EXPECT_EQ(DecodeText("ab\0cd\0", 6), "ab");
  EXPECT_EQ(DecodeText("", 0), "");
}

TEST(SettingsCodec, StoredBooleansAndNumbersReadAsText) {
  EXPECT_EQ(DecodeBoolean(0xFFFF), "True");
  EXPECT_EQ(DecodeBoolean(1), "True");
  EXPECT_EQ(DecodeBoolean(0), "False");
  EXPECT_EQ(DecodeNumber(static_cast<int32_t>(0xFFFFFFFFu)), "-1");
  EXPECT_EQ(DecodeNumber(40000), "40000");
}

TEST(SettingsCodec, NumbersConvertOverThirtyTwoBitsOrNotAtAll) {
  struct Case { const char* text; int32_t status; int32_t number; };
  const Case cases[] = {
      {"40000", 0, 40000},
      {" -7 ", 0, -7},
      {"2147483647", 0, 2147483647},
      {"-2147483648", 0, INT32_MIN},
      {"2.5", 0, 2},  // halves to even
      {"3.5", 0, 4},
      {"True", 0, -1},
      {"2147483648", kStatusOverflow, 0},
      {"1e12", kStatusOverflow, 0},
      {"abc", kStatusTypeMismatch, 0},
      {"", kStatusTypeMismatch, 0},
      {"12abc", kStatusTypeMismatch, 0},
      {"0x10", kStatusTypeMismatch, 0},
      {"nan", kStatusTypeMismatch, 0},
  };
  for (const Case& c : cases) {
    Converted n = ToNumber(c.text);
    EXPECT_EQ(n.status, c.status) << c.text;
    EXPECT_EQ(n.number, c.number) << c.text;
  }
}

TEST(SettingsCodec, Booleans) {
  EXPECT_EQ(ToBoolean("True").number, -1);
  EXPECT_EQ(ToBoolean("false").number, 0);
  EXPECT_EQ(ToBoolean("5").number, -1);
  EXPECT_EQ(ToBoolean("0").number, 0);
  EXPECT_EQ(ToBoolean("yes").status, kStatusTypeMismatch);
}
