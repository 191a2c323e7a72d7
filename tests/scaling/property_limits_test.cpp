#include "property_limits.h"

#include <gtest/gtest.h>

#include <cmath>

namespace amb {
namespace {

TEST(PropertyLimits, ClampToTheirRanges) {
  struct Case { int16_t in, out; };
  for (Case c : {Case{150, 100}, Case{-5, 0}, Case{0, 0}, Case{100, 100}, Case{37, 37}, Case{INT16_MIN, 0}})
    EXPECT_EQ(LimitPercent(c.in), c.out) << c.in;

  struct TimeCase { float in, out; };
  for (TimeCase c : {TimeCase{12.5f, 10}, TimeCase{-1, 0}, TimeCase{0, 0}, TimeCase{2.5f, 2.5f}, TimeCase{10, 10}})
    EXPECT_EQ(LimitEffectTime(c.in), c.out) << c.in;
  EXPECT_EQ(LimitEffectTime(std::nanf("")), 0) << "a NaN duration must not reach the effect timers";

  struct SizeCase { int32_t in, out; };
  for (SizeCase c : {SizeCase{0, 0}, SizeCase{-300, 0}, SizeCase{1, 1}, SizeCase{4800, 4800}})
    EXPECT_EQ(LimitTrackSize(c.in), c.out) << c.in;
}

TEST(PropertyLimits, EffectsMustFitSixteenBits) {
  EXPECT_EQ(NarrowEffect(7), 7);
  EXPECT_EQ(NarrowEffect(-32768), -32768);
  EXPECT_EQ(NarrowEffect(32767), 32767);
  EXPECT_FALSE(NarrowEffect(70000));
  EXPECT_FALSE(NarrowEffect(-32769));
}

}  // namespace
}  // namespace amb
