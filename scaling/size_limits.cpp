#include "size_limits.h"

namespace amb {
namespace {

bool Applies(SizeLimits limits, int32_t windowState) {
  if (windowState != 0) return false;
  return !(limits.minimum > limits.maximum && limits.maximum != 0);
}

}  // namespace

std::optional<float> MinimumClamp(SizeLimits limits, float size, int32_t windowState) {
  if (!Applies(limits, windowState) || limits.minimum <= 0 || size >= static_cast<float>(limits.minimum))
    return std::nullopt;
  return static_cast<float>(limits.minimum);
}

std::optional<float> MaximumClamp(SizeLimits limits, float size, int32_t windowState) {
  if (!Applies(limits, windowState) || limits.maximum <= 0 || size <= static_cast<float>(limits.maximum))
    return std::nullopt;
  return static_cast<float>(limits.maximum);
}

}  // namespace amb
