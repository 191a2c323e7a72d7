#include "version_rules.h"

#include <gtest/gtest.h>

#include <string>

using namespace VersionInfo;

namespace {

std::string Answers(const OsVersion& v) {
  return std::string(IsWin98(v) ? "98 " : "") + (IsWin98SE(v) ? "98SE " : "") + (IsWinME(v) ? "ME " : "") +
         (IsMoreME(v) ? "NT" : "");
}

TEST(VersionRules, EachSystemAnswersOnlyItsOwnTest) {
  struct Case { const char* what; OsVersion v; const char* answers; };
  const Case cases[] = {
      {"98", {1, 4, 10, 0x040A07CE}, "98 "},   // build 1998, high word 4.10
      {"98 SE", {1, 4, 10, 0x040A08AE}, "98SE "},
      {"98 SE low word only", {1, 4, 10, 2222}, "98SE "},
      {"Me", {1, 4, 90, 0x045A0BB8}, "ME "},
      {"95", {1, 4, 0, 950}, ""},
      {"NT 3.51", {2, 3, 51, 1057}, ""},
      {"NT 4.0", {2, 4, 0, 1381}, "NT"},
      {"XP", {2, 5, 1, 2600}, "NT"},
      {"7", {2, 6, 1, 7601}, "NT"},
  };
  for (const Case& c : cases) EXPECT_EQ(Answers(c.v), c.answers) << c.what;
}

}  // namespace
