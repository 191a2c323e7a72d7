#include "path_text.h"

#include <gtest/gtest.h>

TEST(JoinPath, PutsExactlyOneBackslashBetweenFolderAndName) {
  struct Case { const char* folder; const char* name; const char* joined; };
  const Case cases[] = {
      {"C:\\Program Files\\Tarnwick", "Tarnwick.chm", "C:\\Program Files\\Tarnwick\\Tarnwick.chm"},
      {"C:\\", "Tarnwick.chm", "C:\\Tarnwick.chm"},
      {"C:\\", "\\Tarnwick.chm", "C:\\Tarnwick.chm"},
      {"D:\\Apps\\", "\\Tasks.txt", "D:\\Apps\\Tasks.txt"},
      {"", "Tasks.txt", "Tasks.txt"},
  };
  for (const Case& c : cases) EXPECT_EQ(rt::JoinPath(c.folder, c.name), c.joined) << c.folder << " + " << c.name;
}
