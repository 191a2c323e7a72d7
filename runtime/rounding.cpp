#include "rounding.h"

#include <climits>
#include <cmath>

namespace rt {

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  double floor = std::floor(value);
  double fraction = value - floor;
  if (fraction > 0.5) return floor + 1;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

bool RoundToLong(double value, long& out) {
  double rounded = RoundHalfEven(value);
  // LONG_MAX is not representable where long has 64 bits (it rounds up to 2^63, which is out of
  // range), so the upper bound is the exact power of two just above it.
  const double lowest = static_cast<double>(LONG_MIN);
  if (!(rounded >= lowest && rounded < -lowest)) return false;
  out = static_cast<long>(rounded);
  return true;
}

}  // namespace rt
