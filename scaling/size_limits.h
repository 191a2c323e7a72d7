#pragma once
// The minimum and maximum size rule of one axis of the host form (twips; 0 = no limit).
#include <cstdint>
#include <optional>

namespace amb {

struct SizeLimits {
  int32_t minimum = 0, maximum = 0;
};

// The size the form must be brought to, or nullopt. Only a form in the normal window state is
// limited, and a minimum above a set maximum switches the pair off. The minimum is tested first;
// the maximum is tested on the size read again after it.
std::optional<float> MinimumClamp(SizeLimits limits, float size, int32_t windowState);
std::optional<float> MaximumClamp(SizeLimits limits, float size, int32_t windowState);

}  // namespace amb
