#include "version_file.h"

#include <gtest/gtest.h>

namespace AutoUpdate {
namespace {

struct Case {
  const char* text;
  bool valid;
  const char* name;
  const char* version;
};

TEST(VersionFile, ReadsAndValidatesWhatThePublisherWrites) {
  const Case cases[] = {
      {"Tarnwick,2.3.1", true, "Tarnwick", "2.3.1"},
      {"Tarnwick\r\n2.3.1\r\n", true, "Tarnwick", "2.3.1"},
      {"  Tarnwick  ,  4.10.0  ", true, "Tarnwick", "4.10.0"},
      {"\"Tar, wick\"\r\n2.3.1", true, "Tar, wick", "2.3.1"},
      {"\"Tarnwick\" , \"2.3.1\"", true, "Tarnwick", "2.3.1"},
      {"\xEF\xBB\xBFTarnwick,2.3.1", true, "Tarnwick", "2.3.1"},
      {"Tarnwick\n\n2.3.1", true, "Tarnwick", "2.3.1"},
      {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx,2.3.1", true,
       "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", "2.3.1"},  // 64
      {"Tarnwick", false},                   // one field
      {"", false},                           // empty body
      {"\r\n  \r\n", false},
      {"Tarnwick,2.3", false},
      {"Tarnwick,2.3.0 beta", false},        // would sort above 2.3.0 as text
      {"Tarnwick,2.3.x", false},
      {"Tarnwick,123456.0.0", false},
      {"Tarnwick,-1.0.0", false},
      {",2.3.1", false},                     // no name
      {"<!DOCTYPE html>\n<html><head><title>Sign in</title></head>", false},
      {"<html>\n<body>Not Found</body></html>", false},
      {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx,2.3.1", false},  // 65 characters
  };
  for (const Case& c : cases) {
    std::optional<VersionFile> file = ParseVersionFile(c.text);
    ASSERT_EQ(file.has_value(), c.valid) << c.text;
    if (!c.valid) continue;
    EXPECT_EQ(file->productName, c.name) << c.text;
    EXPECT_EQ(file->versionText, c.version) << c.text;
    EXPECT_TRUE(file->updaterSha256.empty());
  }
}

TEST(VersionFile, TakesTheUpdaterDigestOnlyWhenItIsOne) {
  const std::string digest(64, 'A');
  EXPECT_EQ(ParseVersionFile("Tarnwick,2.3.1," + digest)->updaterSha256, std::string(64, 'a'));
  EXPECT_EQ(ParseVersionFile("Tarnwick\r\n2.3.1\r\n" + digest + "\r\n")->updaterSha256, std::string(64, 'a'));
  EXPECT_EQ(ParseVersionFile("Tarnwick,2.3.1," + digest.substr(1))->updaterSha256, "");
  EXPECT_EQ(ParseVersionFile("Tarnwick,2.3.1,zz" + digest.substr(2))->updaterSha256, "");
}

TEST(VersionFile, SequentialFieldsFailPastTheEnd) {
  EXPECT_EQ(ReadFields("a,b,c", 2), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ReadFields("a,,c", 3), (std::vector<std::string>{"a", "", "c"}));
  EXPECT_EQ(ReadFields("\"unclosed, quote", 1), (std::vector<std::string>{"unclosed, quote"}));
  EXPECT_FALSE(ReadFields("a", 2));
}

TEST(Version, ComparesAsNumbers) {
  auto v = [](const char* t) { return *ParseVersion(t); };
  EXPECT_GT(v("4.10.0"), v("4.9.0"));
  EXPECT_GT(v("2.10.0"), v("2.3.0"));
  EXPECT_GT(v("2.3.1"), v("2.3.0"));
  EXPECT_EQ(v("2.3.0"), v("2.3.0"));
  EXPECT_LT(v("1.99.99"), v("2.0.0"));
  EXPECT_EQ(VersionText(v("04.05.00")), "4.5.0");
}

}  // namespace
}  // namespace AutoUpdate
