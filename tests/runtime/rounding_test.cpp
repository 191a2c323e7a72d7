#include "rounding.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  struct Case { double in, out; };
  for (const Case& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-2.5, -2}, Case{-3.5, -4}, Case{2.4999, 2},
                        Case{2.5001, 3}, Case{-0.4, 0}, Case{7, 7}})
    EXPECT_EQ(rt::RoundHalfEven(c.in), c.out) << c.in;
}

TEST(RoundHalfEven, RefusesWhatDoesNotFitALong) {
  long out = 5;
  EXPECT_TRUE(rt::RoundToLong(2147483647.4, out));
  EXPECT_EQ(out, 2147483647L);
  EXPECT_FALSE(rt::RoundToLong(NAN, out));
  EXPECT_FALSE(rt::RoundToLong(1e300, out));
}

// The first value past the top of long, whatever its width (2^31 or 2^63), is refused, not
// converted out of range; the bottom itself fits.
TEST(RoundHalfEven, TheEdgesOfLong) {
  long out = 5;
  const double top = -static_cast<double>(LONG_MIN);
  EXPECT_FALSE(rt::RoundToLong(top, out));
  EXPECT_EQ(out, 5);
  // Where long has 64 bits its top is not representable and rounds up to 2^63.
  const double max = static_cast<double>(LONG_MAX);
  EXPECT_EQ(rt::RoundToLong(max, out), max < top);
  EXPECT_TRUE(rt::RoundToLong(static_cast<double>(LONG_MIN), out));
  EXPECT_EQ(out, LONG_MIN);
  EXPECT_FALSE(rt::RoundToLong(-INFINITY, out));
}

// Numbers from outside are converted only when the target holds them.
TEST(RoundHalfEven, LongColourAndSingleTakeOnlyWhatTheyHold) {
  struct Case {
    double in;
    std::optional<int32_t> whole, colour;
  };
  const std::optional<int32_t> none;
  for (const Case& c : {Case{2.5, 2, 2}, Case{-2147483648.4, INT32_MIN, INT32_MIN}, Case{2147483647.4, INT32_MAX, INT32_MAX},
                        Case{2147483647.5, none, INT32_MIN}, Case{2147483663.0, none, static_cast<int32_t>(0x8000000Fu)},
                        Case{4294967295.0, none, -1}, Case{4294967296.0, none, none}, Case{-2147483649.0, none, none},
                        Case{1e300, none, none}, Case{NAN, none, none}, Case{-INFINITY, none, none}}) {
    EXPECT_EQ(rt::LongOf(c.in), c.whole) << c.in;
    EXPECT_EQ(rt::ColourOf(c.in), c.colour) << c.in;
  }
  EXPECT_EQ(rt::SingleOf(-3.4e38), -3.4e38f);
  for (double out : {1e39, -1e300, static_cast<double>(INFINITY), static_cast<double>(NAN)})
    EXPECT_FALSE(rt::SingleOf(out)) << out;
}

}  // namespace
