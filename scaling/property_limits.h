#pragma once
// How the control's property accessors limit or convert an assigned value.
#include <cstdint>
#include <optional>

namespace amb {

int16_t LimitPercent(int16_t value);      // screen percentages: 0 to 100
float LimitEffectTime(float value);       // effect durations in seconds: 0 to 10
int32_t LimitTrackSize(int32_t value);    // minimum and maximum sizes: below 1 means no limit (0)
// The open and close effects are kept in 16 bits; a value outside them is refused.
std::optional<int16_t> NarrowEffect(int32_t value);

}  // namespace amb
