#include "rounding.h"

#include <climits>
#include <cfloat>
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

std::optional<int32_t> LongOf(double value) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

std::optional<int32_t> ColourOf(double value) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0)) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(rounded) & 0xFFFFFFFF));
}

std::optional<float> SingleOf(double value) {
  if (!(std::fabs(value) <= FLT_MAX)) return std::nullopt;
  return static_cast<float>(value);
}

}  // namespace rt
