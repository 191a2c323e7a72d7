#pragma once
// Real to whole number the way the platform's conversions do it: to the nearest, halves to even
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). One rule for the whole program, whatever the FPU mode says.

namespace rt {

double RoundHalfEven(double value);

// RoundHalfEven, then clamped into the range of long (a value outside it, or NaN, gives false).
bool RoundToLong(double value, long& out);

}  // namespace rt
