#include "command_text.h"

#include <gtest/gtest.h>

TEST(StripProgramPath, LeavesTheTextAfterTheProgramPath) {
  struct Case { const char* raw; const char* rest; };
  const Case cases[] = {
      {"\"C:\\Program Files\\Tarnwick\\Tarnwick.exe\" /S", "/S"},
      {"\"C:\\a b\\Tarnwick.exe\"", ""},
      {"C:\\Tarnwick\\Tarnwick.exe  s", "s"},
      {"Tarnwick.exe \"C:\\a b\\x\" /R", "\"C:\\a b\\x\" /R"},
      {"   Tarnwick.exe\tR", "R"},
      {"\"unterminated", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::StripProgramPath(c.raw), c.rest) << c.raw;
}
