// The gradient's colour ramp, its band geometry and radial rings as tables, and the painter over
// an in-memory form: what it sets, draws and gives back.
#include "gradient.h"

#include <gtest/gtest.h>

#include "fake_host_form.h"

namespace amb {
namespace {

constexpr int32_t kBlue = 0xFF0000, kGreen = 0x00FF00, kRed = 0x0000FF;

TEST(GradientRamp, BandsRunFromTheStartColourThroughTheMiddleToTheEnd) {
  struct Case {
    GradientColours colours;
    int band;
    int32_t expected;
  } cases[] = {
      {{kBlue, 0, 0}, 0, kBlue},
      {{kBlue, 0, 0}, 64, 0},
      {{kBlue, 0, 0}, 32, 0x800000},  // 127.5 rounds to the even 128
      {{kBlue, 0, 0}, 1, 0xFB0000},   // 255 - 3.98 = 251.02
      {{0, kRed, kGreen}, 32, kGreen},
      {{0, kRed, kGreen}, 16, 0x008000},
      {{0, kRed, kGreen}, 48, 0x008080},  // half way from green to red
      {{0, kRed, kGreen}, 64, kRed},
      // A system colour is split as it is: its high byte is no channel.
      {{static_cast<int32_t>(0x80000005), static_cast<int32_t>(0x80000005), static_cast<int32_t>(0x80000005)}, 20,
       0x000005},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GradientRamp(c.colours).Band(c.band), c.expected)
        << std::hex << c.colours.start << " " << c.colours.end << " " << c.colours.middle << " band " << std::dec
        << c.band;
  }
}

TEST(GradientGeometry, LinearBandsStartWhereTheSourceSays) {
  struct Case {
    int32_t source;
    size_t strokes;
    GradientStroke first, last;
  } cases[] = {
      // From the top the last band, in the end colour, falls just below the form.
      {kGsTop, 65, {0, {0, 0, 640, 5}}, {64, {0, 320, 640, 325}}},
      // From the bottom it is the start colour that falls below, and the top band takes the end colour.
      {kGsBottom, 65, {0, {0, 320, 640, 325}}, {64, {0, 0, 640, 5}}},
      {kGsRight, 65, {0, {640, 0, 650, 320}}, {64, {0, 0, 10, 320}}},
      {kGsLeft, 65, {0, {0, 0, 10, 320}}, {64, {640, 0, 650, 320}}},
      {kGsTopLeft, 130, {0, {0, 0, 10, 6}}, {64, {640, 0, 650, 320}}},
      {kGsBottomRight, 130, {0, {640, 320, 640, 315}}, {64, {0, 320, 10, 0}}},
      // The middle's bands are nested boxes, largest first: the start colour ends in the centre,
      // while from outside it is on the edge.
      {kGsMiddle, 65, {64, {0, 0, 640, 320}}, {0, {320, 160, 320, 160}}},
      {kGsOutside, 65, {0, {0, 0, 640, 320}}, {64, {320, 160, 320, 160}}},
  };
  for (const Case& c : cases) {
    std::vector<GradientStroke> strokes = LinearStrokes(c.source, 640, 320);
    ASSERT_EQ(strokes.size(), c.strokes) << c.source;
    EXPECT_EQ(strokes.front(), c.first) << c.source;
    EXPECT_EQ(strokes.back(), c.last) << c.source;
  }
  EXPECT_TRUE(LinearStrokes(10, 640, 320).empty());
  EXPECT_TRUE(LinearStrokes(-1, 640, 320).empty());
}

TEST(GradientGeometry, RingsSpanTheDiagonalFromTheirCentre) {
  std::optional<RadialRings> corner = RadialPlan(kGsTopLeft, 300, 400);
  ASSERT_TRUE(corner);
  EXPECT_FLOAT_EQ(corner->x, 0);
  EXPECT_FLOAT_EQ(corner->y, 0);
  EXPECT_FLOAT_EQ(corner->unit * 64, 500);
  std::optional<RadialRings> middle = RadialPlan(kGsMiddle, 300, 400);
  std::optional<RadialRings> outside = RadialPlan(kGsOutside, 300, 400);
  ASSERT_TRUE(middle && outside);
  EXPECT_FLOAT_EQ(middle->unit * 64, 250);
  EXPECT_FLOAT_EQ(middle->x, 150);
  EXPECT_FLOAT_EQ(middle->y, 200);
  EXPECT_FLOAT_EQ(outside->unit, middle->unit);
  std::optional<RadialRings> bottom = RadialPlan(kGsBottom, 300, 400);
  ASSERT_TRUE(bottom);
  EXPECT_FLOAT_EQ(bottom->x, 150);
  EXPECT_FLOAT_EQ(bottom->y, 400);
  EXPECT_FALSE(RadialPlan(10, 300, 400));
}

class GradientPainter : public ::testing::Test {
 protected:
  test::Log log;
  test::FakeHostForm form{log};
  size_t Calls(const char* member) const {
    size_t n = 0;
    for (const auto& c : form.calls) n += c.first == member;
    return n;
  }
};

// The drawing goes in pixels, into the persistent image, with a solid copy pen; afterwards the
// form measures and draws as it did.
TEST_F(GradientPainter, SetsItsDrawingSettingsAndGivesThemBack) {
  form.members["ScaleMode"] = int16_t{1};
  ASSERT_TRUE(PaintGradient(form, kGsTop, kGtLinear, {kBlue, 0, 0}));
  test::Log expected = {"DrawMode=13", "DrawStyle=0", "AutoRedraw=True", "ScaleMode=3"};
  ASSERT_GE(log.size(), expected.size());
  EXPECT_EQ(test::Log(log.begin(), log.begin() + 4), expected);
  EXPECT_EQ(Calls("Line"), 65u);
  EXPECT_EQ(test::Log(log.end() - 6, log.end()),
            (test::Log{"Refresh()", "AutoRedraw=False", "ScaleMode=1", "DrawWidth=1", "DrawMode=13", "DrawStyle=0"}));
  // Each band a filled box in its colour.
  const auto& first = form.calls.front().second;
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(std::get<int32_t>(first[4]), kBlue);
  EXPECT_EQ(std::get<int16_t>(first[5]), 2);
}

TEST_F(GradientPainter, RadialDrawsSixtyFiveOverlappingRings) {
  form.members["ScaleWidth"] = 640.0f;
  form.members["ScaleHeight"] = 480.0f;
  ASSERT_TRUE(PaintGradient(form, kGsTopLeft, 2, {kBlue, 0, 0}));  // any type but linear is radial
  EXPECT_EQ(Calls("Circle"), 65u);
  EXPECT_EQ(Calls("Line"), 0u);
  EXPECT_NE(std::find(log.begin(), log.end(), "DrawWidth=25"), log.end());  // twice 800 / 64
  const auto& last = form.calls[64].second;
  EXPECT_FLOAT_EQ(std::get<float>(last[2]), 800);
  EXPECT_EQ(std::get<int32_t>(last[3]), 0);
}

TEST_F(GradientPainter, AnUnknownSourceDrawsNothingButStillRefreshes) {
  ASSERT_TRUE(PaintGradient(form, 10, kGtLinear, {kBlue, 0, 0}));
  EXPECT_EQ(Calls("Line") + Calls("Circle"), 0u);
  EXPECT_EQ(Calls("Refresh"), 1u);
  EXPECT_EQ(std::get<int16_t>(form.members["ScaleMode"]), 1);
}

TEST_F(GradientPainter, AnMdiParentFormIsLeftAlone) {
  form.isMdiParent = true;
  ASSERT_TRUE(PaintGradient(form, kGsTop, kGtLinear, {kBlue, 0, 0}));
  EXPECT_TRUE(log.empty());
}

// A form left in pixels would throw every later measurement of the resize engine off.
TEST_F(GradientPainter, AFailedDrawingStillGivesTheSettingsBack) {
  form.methods.erase("Line");
  HostStatus s = PaintGradient(form, kGsTop, kGtLinear, {kBlue, 0, 0});
  EXPECT_FALSE(s);
  EXPECT_EQ(std::get<int16_t>(form.members["ScaleMode"]), 1);
  EXPECT_FALSE(std::get<bool>(form.members["AutoRedraw"]));
  EXPECT_EQ(Calls("Refresh"), 0u);
}

}  // namespace
}  // namespace amb
