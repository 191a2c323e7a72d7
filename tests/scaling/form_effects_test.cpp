// The open and close effects: steps, the region of each step as a table, and the pacing on a
// clock the test moves.
#include "form_effects.h"

#include <gtest/gtest.h>

#include <limits>

#include "fake_host_form.h"

namespace amb {
namespace {

TEST(FormEffects, EighteenStepsASecondAndAHundredWithoutATime) {
  struct Case {
    float seconds;
    int steps;
  } cases[] = {{1, 18},     {0.5f, 9}, {10, 180}, {0, 100}, {-1, 100}, {0.01f, 0},
               // a stored time beyond what a page offers plays as the longest the page offers
               {11, 180}, {1e30f, 180}, {std::numeric_limits<float>::infinity(), 180},
               {std::numeric_limits<float>::quiet_NaN(), 100}};
  for (const Case& c : cases) EXPECT_EQ(EffectSteps(c.seconds), c.steps) << c.seconds;
}

TEST(FormEffects, EachStepHasItsRegion) {
  const EffectFrame wipe = MakeEffectFrame(360, 200, 1);  // 18 steps of 20 pixels
  const EffectFrame fold = MakeEffectFrame(400, 300, 20.0f / 18);  // 20 steps; the strip is x 180 to 220
  struct Case {
    bool open;
    int16_t effect;
    const EffectFrame& frame;
    int step;
    std::optional<RegionRect> rect;
  } cases[] = {
      {true, kWipeRight, wipe, 1, RegionRect{0, 0, 20, 200}},
      {true, kWipeRight, wipe, 18, RegionRect{0, 0, 360, 200}},
      {true, kWipeLeft, wipe, 1, RegionRect{340, 0, 360, 200}},
      {true, kWipeVertical, wipe, 2, RegionRect{160, 0, 200, 200}},
      {true, kWipeHorizontal, wipe, 9, RegionRect{0, 50, 360, 150}},
      {false, kWipeDown, wipe, 1, RegionRect{0, 11, 360, 200}},  // 11.11 rounds down
      {false, kWipeVertical, wipe, 2, RegionRect{20, 0, 340, 200}},
      {false, kWipeUp, wipe, 18, RegionRect{0, 0, 360, 0}},
      {true, kFold, fold, 9, RegionRect{180, 15, 220, 285}},
      {true, kFold, fold, 10, std::nullopt},
      {true, kFold, fold, 11, std::nullopt},
      {true, kFold, fold, 12, RegionRect{160, 0, 240, 300}},
      {true, kFold, fold, 20, RegionRect{0, 0, 400, 300}},
      {false, kFold, fold, 1, RegionRect{20, 0, 380, 300}},
      {false, kFold, fold, 9, std::nullopt},  // 180 is not left of the strip
      {false, kFold, fold, 10, RegionRect{180, 0, 220, 300}},
      {false, kFold, fold, 20, RegionRect{180, 150, 220, 150}},
      {true, 8, wipe, 1, std::nullopt},
      {false, -1, wipe, 1, std::nullopt},
  };
  for (const Case& c : cases) {
    std::optional<RegionRect> r = c.open ? OpenRect(c.effect, c.step, c.frame) : CloseRect(c.effect, c.step, c.frame);
    EXPECT_EQ(r, c.rect) << (c.open ? "open " : "close ") << c.effect << " step " << c.step;
  }
}

// Every wait hands the thread's messages on and moves the clock a little.
class FakeEffectPlatform : public EffectPlatform {
 public:
  double clock = 0;
  int waits = 0, removals = 0;
  int closeAtWait = -1;  // the form closes during that wait
  bool exists = true;
  std::vector<std::pair<double, RegionRect>> regions;

  bool WindowSize(intptr_t, float& w, float& h) override {
    w = 360;
    h = 200;
    return true;
  }
  bool WindowExists(intptr_t) override { return exists; }
  void SetRegion(intptr_t, const RegionRect& r) override {
    EXPECT_TRUE(exists) << "a region set on a window that is gone";
    regions.emplace_back(clock, r);
  }
  void RemoveRegion(intptr_t) override { ++removals; }
  double Now() override { return clock; }
  void ProcessEvents() override {
    if (++waits == closeAtWait) exists = false;
    clock += 0.004;
  }
};

class EffectPlay : public ::testing::Test {
 protected:
  test::Log log;
  test::FakeHostForm form{log};
  FakeEffectPlatform platform;
  bool played = false;
};

TEST_F(EffectPlay, AnOpenEffectRevealsTheWindowStepByStepAndThenShowsItWhole) {
  ASSERT_TRUE(PlayOpenEffect(form, kWipeRight, 1, platform, played));
  EXPECT_TRUE(played);
  ASSERT_EQ(platform.regions.size(), 18u);
  EXPECT_EQ(platform.regions.back().second, (RegionRect{0, 0, 360, 200}));
  // Never ahead of its moment, and the whole effect takes its second.
  for (size_t i = 0; i < platform.regions.size(); ++i) EXPECT_GE(platform.regions[i].first, i / 18.0 - 1e-9) << i;
  EXPECT_EQ(platform.regions.front().first, 0);
  EXPECT_LE(platform.regions.back().first, 1.0);
  EXPECT_EQ(platform.removals, 1);
}

TEST_F(EffectPlay, WithoutATimeEveryStepRunsAtOnce) {
  ASSERT_TRUE(PlayCloseEffect(form, kWipeLeft, 0, platform, played));
  EXPECT_EQ(platform.regions.size(), 100u);
  EXPECT_EQ(platform.waits, 100);  // once after each step, never before one
  EXPECT_EQ(platform.removals, 0);  // the close effect keeps its last region
}

TEST_F(EffectPlay, AFormClosedWhileAStepWaitsEndsTheEffectThere) {
  platform.closeAtWait = 3;
  ASSERT_TRUE(PlayOpenEffect(form, kWipeRight, 1, platform, played));
  EXPECT_FALSE(played) << "nothing is to follow an effect whose form has gone";
  EXPECT_LT(platform.regions.size(), 18u);
  EXPECT_EQ(platform.removals, 0);
}

TEST_F(EffectPlay, AMinimisedFormIsNotAnimatedButOpensWhole) {
  form.members["WindowState"] = int16_t{1};
  ASSERT_TRUE(PlayOpenEffect(form, kFold, 1, platform, played));
  EXPECT_FALSE(played);
  EXPECT_TRUE(platform.regions.empty());
  EXPECT_EQ(platform.removals, 1);
  ASSERT_TRUE(PlayCloseEffect(form, kFold, 1, platform, played));
  EXPECT_FALSE(played);
  EXPECT_EQ(platform.removals, 1);
}

TEST_F(EffectPlay, ATimeTooShortForOneStepJustShowsTheForm) {
  ASSERT_TRUE(PlayOpenEffect(form, kWipeDown, 0.01f, platform, played));
  EXPECT_TRUE(platform.regions.empty());
  EXPECT_EQ(platform.removals, 1);
}

}  // namespace
}  // namespace amb
