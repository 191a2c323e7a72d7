#include "task_command.h"

#include <gtest/gtest.h>

using namespace DozIzevodoz;

TEST(TaskCommand, ThePathIsQuotedUnlessItHoldsAQuoteAndOneBlankAlwaysFollows) {
  struct Case { const char* program; const char* arguments; const char* line; const char* application; };
  const Case cases[] = {
      {"C:\\t\\a.exe", "/q", "\"C:\\t\\a.exe\" /q", "C:\\t\\a.exe"},
      {"C:\\t\\a.exe", "", "\"C:\\t\\a.exe\" ", "C:\\t\\a.exe"},
      {"\"C:\\Program Files\\a.exe\"", "-x y", "\"C:\\Program Files\\a.exe\" -x y", "C:\\Program Files\\a.exe"},
      {"C:\\odd\"name.exe", "", "C:\\odd\"name.exe ", "C:\\oddname.exe"},
      {"", "", "\"\" ", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TaskCommandLine(c.program, c.arguments), c.line) << c.program;
    EXPECT_EQ(TaskApplicationName(c.program), c.application) << c.program;
  }
}
