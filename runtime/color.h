#pragma once
// Colours as the forms' design data gives them: an RGB value (0x00BBGGRR), or a system colour
// written as 0x80000000 plus the COLOR_ index.
#include <windows.h>

#include <cstdint>

namespace rt {

using OleColor = std::uint32_t;

inline constexpr OleColor kNoColor = 0xFFFFFFFFu;  // "the kind's own default"
inline constexpr OleColor SystemColor(int index) { return 0x80000000u | static_cast<OleColor>(index); }
inline constexpr OleColor kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF;

COLORREF ToColorRef(OleColor color);

}  // namespace rt
