#include "text_utils.h"

#include <gtest/gtest.h>

using namespace DozIzevodoz;

TEST(TextUtils, TrimNullCutsAtTheFirstNul) {
  EXPECT_EQ(TrimNull(std::string_view("abc\0def", 7)), "abc");
  EXPECT_EQ(TrimNull("abc"), "abc");
  EXPECT_EQ(TrimNull(""), "");
  EXPECT_EQ(TrimNull(std::string_view("\0x", 2)), "");
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
