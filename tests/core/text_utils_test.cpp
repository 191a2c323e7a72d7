#include "text_utils.h"

#include <gtest/gtest.h>

using namespace DozIzevodoz;

TEST(TextUtils, TrimNullCutsAtTheFirstNul) {
  EXPECT_EQ(TrimNull(std::string_view("abc\0def", 7)), "abc");
  EXPECT_EQ(TrimNull("abc"), "abc");
  EXPECT_EQ(TrimNull(""), "");
  EXPECT_EQ(TrimNull(std::string_view("\0x", 2)), "");
}

// Blanks only: a tab or a line break is part of the text (the task file's fields keep them out).
TEST(TextUtils, TrimBlanksStripsBlanksAtBothEndsOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"  a b  ", "a b"}, {"a", "a"}, {"   ", ""}, {"", ""}, {"\ta \t", "\ta \t"}, {" \r\n ", "\r\n"}};
  for (const auto& [text, trimmed] : cases) EXPECT_EQ(TrimBlanks(text), trimmed) << text;
}

// ASCII letters only: the letters of the command line and of action names read the same in any locale.
TEST(TextUtils, UpperAsciiTouchesSmallAsciiLettersOnly) {
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    EXPECT_EQ(UpperAscii(byte), c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : byte) << c;
  }
}

TEST(TextUtils, DriveRootOfTheWindowsFolder) {
  EXPECT_EQ(DriveRootOf("C:\\WINDOWS"), "C:\\");
  EXPECT_EQ(DriveRootOf("D:\\WinNT\\System"), "D:\\");
  EXPECT_EQ(DriveRootOf("\\\\server\\share\\windows"), "\\\\server\\");
  EXPECT_EQ(DriveRootOf("C:"), "C:\\");
  EXPECT_EQ(DriveRootOf(""), "C:\\");
  EXPECT_EQ(DriveRootOf("windows"), "C:\\");
}

TEST(TextUtils, VersionTextShowsTheRevisionOnlyAboveZero) {
  EXPECT_EQ(MakeVersionText(4, 5, 0), "4.5");
  EXPECT_EQ(MakeVersionText(4, 5, 12), "4.5.12");
  EXPECT_EQ(MakeVersionText(4, 5, 3), "4.5.3");
}

TEST(TextUtils, ValidFIDRefusesWhatAFileNameOrTheGroupFileCannotHold) {
  for (const char* good : {"My Group", "   ", "", "Nacht 2"}) EXPECT_TRUE(ValidFID(good)) << good;
  for (const char* bad : {"a/b", "c:", "?x", "a\tb", "a\\b", "x*", "\"q\"", "<", ">", "a|b", "line\nbreak", "\t"})
    EXPECT_FALSE(ValidFID(bad)) << bad;
}
