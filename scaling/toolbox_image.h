#pragma once
// The control's only face: its toolbox bitmap, 16 by 15 pixels.
#include <windows.h>

namespace amb {

inline constexpr int kToolboxWidth = 16;
inline constexpr int kToolboxHeight = 15;

// Stretches the bitmap over bounds; false when it cannot be drawn.
bool DrawToolboxImage(HDC dc, const RECT& bounds);
// The image's size in HIMETRIC, the unit of OLE extents.
SIZEL ToolboxExtent();

}  // namespace amb
