#pragma once
// Real to whole number the way the platform's conversions do it: to the nearest, halves to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). One rule for the whole program, whatever the FPU mode says.
// Every number from outside (a caption, a setting, a stored property, a host object) goes through
// one of these before it is converted, so that no value is ever converted out of range.
#include <cstdint>
#include <optional>

namespace rt {

double RoundHalfEven(double value);

// RoundHalfEven, then clamped into the range of long (a value outside it, or NaN, gives false).
bool RoundToLong(double value, long& out);

// A number the platform takes as a 32-bit integer; nothing for one outside that range or not a
// number at all, where the platform raises "Overflow".
std::optional<int32_t> LongOf(double value);

// A colour as the platform takes it: a whole number from -2147483648 up to 4294967295, read as its
// 32 bits (so 2147483663 is the system colour &H8000000F); nothing for any other value.
std::optional<int32_t> ColourOf(double value);

// A Double as the platform narrows it to a Single; nothing for NaN or a value beyond the largest
// Single, where the platform raises "Overflow".
std::optional<float> SingleOf(double value);

}  // namespace rt
