#include "rounding.h"

#include <gtest/gtest.h>

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

}  // namespace
