#include "property_limits.h"

#include <cmath>

namespace amb {

int16_t LimitPercent(int16_t value) {
  if (value < 0) return 0;
  if (value > 100) return 100;
  return value;
}

float LimitEffectTime(float value) {
  // A NaN would pass both comparisons and reach the effect timers as a duration.
  if (std::isnan(value) || value < 0) return 0;
  if (value > 10) return 10;
  return value;
}

int32_t LimitTrackSize(int32_t value) { return value < 1 ? 0 : value; }

std::optional<int16_t> NarrowEffect(int32_t value) {
  if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(value);
}

}  // namespace amb
