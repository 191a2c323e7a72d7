#include <gtest/gtest.h>

#include "countdown_text.h"
#include "notice_geometry.h"
#include "update_address.h"

namespace {

TEST(UpdateAddress, OnlySecureHostsOrThisMachine) {
  struct Case {
    const char* base;
    bool acceptable;
  } cases[] = {
      {"https://updates.example.org", true},
      {"HTTPS://updates.example.org:8443/mirror/", true},
      {"http://127.0.0.1:8080", true},
      {"http://localhost/", true},
      {"http://LOCALHOST:99", true},
      {"http://updates.example.org", false},
      {"http://127.0.0.1.example.org", false},
      {"http://localhost@example.org", false},
      {"http://127.0.0.1:80x", false},
      {"https://", false},
      {"ftp://127.0.0.1", false},
      {"", false},
      {"127.0.0.1", false},
      // The file names go after the base: nothing may carry them off into a query, a fragment or
      // a second line.
      {"https://updates.example.org?x", false},
      {"https://updates.example.org/m?x=1", false},
      {"https://updates.example.org#frag", false},
      {"https://updates.example.org/m#", false},
      {"https://updates.example.org\r\nHost: elsewhere", false},
      {"https://updates.example.org/m\n", false},
      {"https://updates.example.org/a b", false},
      {"https://updates.example.org/\x7F", false},
      {"http://127.0.0.1:8080\t", false},
  };
  for (const Case& c : cases) EXPECT_EQ(AutoUpdate::IsAcceptableUpdateBase(c.base), c.acceptable) << c.base;
}

TEST(UpdateAddress, JoinsWithOneSlash) {
  EXPECT_EQ(AutoUpdate::JoinUrl("https://h/", AutoUpdate::kVersionFilePath), "https://h/Updates/TarnwickPaid/ver.txt");
  EXPECT_EQ(AutoUpdate::JoinUrl("https://h/m", AutoUpdate::kUpdaterPath), "https://h/m/Updates/TarnwickPaid/Update.exe");
}

TEST(CountdownText, ReplacesEveryMarker) {
  using TimedMessageBox::CountdownText;
  EXPECT_EQ(CountdownText("a %T b %T", 2), "a 2 b 2");
  EXPECT_EQ(CountdownText("no marker", 3), "no marker");
  EXPECT_EQ(CountdownText("%t stays, %T%T", 0), "%t stays, 00");
  EXPECT_EQ(CountdownText("%", 1), "%");
}

TEST(NoticeGeometry, CornerIsTheWorkAreasOwnBottomRight) {
  using frmUpdateGeometry::BottomRight;
  auto corner = BottomRight({0, 0, 1024, 738}, 15, 15);
  EXPECT_EQ(corner.x, 15360);
  EXPECT_EQ(corner.y, 11070);
  corner = BottomRight({0, 0, 2560, 1400}, 15, 15);  // beyond 16-bit twips
  EXPECT_EQ(corner.x, 38400);
  EXPECT_EQ(corner.y, 21000);
  corner = BottomRight({0, 30, 1024, 768}, 15, 15);  // task bar on top
  EXPECT_EQ(corner.y, 768 * 15);
  corner = BottomRight({60, 0, 1024, 768}, 15, 15);  // task bar on the left
  EXPECT_EQ(corner.x, 1024 * 15);
}

TEST(NoticeGeometry, SlideInEndsWithTheBottomEdgeAtTheCorner) {
  for (int cornerY : {11070, 21000, 38400}) {
    std::vector<int32_t> tops = frmUpdateGeometry::SlideInTops(cornerY, 2310);
    EXPECT_EQ(tops.front(), cornerY - 5);
    int bottom = tops.back() + 2310;
    EXPECT_LE(bottom, cornerY);
    EXPECT_GT(bottom, cornerY - 5);
    for (size_t i = 1; i < tops.size(); ++i) ASSERT_EQ(tops[i], tops[i - 1] - 5);
  }
}

// It sinks in 5-twip steps to about two and a half of its heights below where it stood, so from
// the corner of any work area it ends wholly below it.
TEST(NoticeGeometry, SlideOutSinksOutOfView) {
  for (int height : {2310, 2311, 15}) {
    const int top = 8760;
    std::vector<int32_t> tops = frmUpdateGeometry::SlideOutTops(top, height);
    ASSERT_FALSE(tops.empty());
    EXPECT_EQ(tops.front(), top + 5) << height;
    for (size_t i = 1; i < tops.size(); ++i) ASSERT_EQ(tops[i], tops[i - 1] + 5) << height;
    EXPECT_GE(tops.back() - top, height * 5 / 2) << height;
    EXPECT_LE(tops.back() - top, height * 5 / 2 + 5) << height;
  }
}

}  // namespace
