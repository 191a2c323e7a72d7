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
  if (!(rounded >= static_cast<double>(LONG_MIN) && rounded <= static_cast<double>(LONG_MAX))) return false;
  out = static_cast<long>(rounded);
  return true;
}

}  // namespace rt
