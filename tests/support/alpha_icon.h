#pragma once
// A 16 x 16 icon with an alpha channel, as every menu icon of the program is: a blue disc with a
// half-transparent rim, fully transparent corners, and no white pixel.
#include <windows.h>

#include <cmath>
#include <cstdint>

#include "dib_canvas.h"
#include "scoped_win.h"

namespace test {

inline rt::UniqueHicon AlphaDiscIcon() {
  uint32_t* pixels = nullptr;
  rt::GdiObject<HBITMAP> color = DibBitmap(16, 16, &pixels);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const double r = std::hypot(x - 7.5, y - 7.5);
      const uint32_t alpha = r < 6 ? 255 : r < 7 ? 128 : 0;
      pixels[y * 16 + x] = alpha << 24 | 0x1E5AC8;  // red 30, green 90, blue 200
    }
  rt::GdiObject<HBITMAP> mask(CreateBitmap(16, 16, 1, 1, nullptr));
  ICONINFO icon{TRUE, 0, 0, mask.get(), color.get()};
  return rt::UniqueHicon(CreateIconIndirect(&icon));
}

}  // namespace test
