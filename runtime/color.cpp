#include "color.h"

namespace rt {

COLORREF ToColorRef(OleColor color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace rt
