#pragma once
// A memory picture whose pixels a test reads back: a 32-bit top-down DIB section, selected into a
// memory device context for the canvas, or standing alone as a picture of its own.
#include <windows.h>

#include <cstdint>

#include "scoped_win.h"
#include "window_picture.h"

namespace test {

// A 32-bit top-down bitmap with pixel memory of its own; bits receives its pixels (0x00RRGGBB).
inline rt::GdiObject<HBITMAP> DibBitmap(int width, int height, std::uint32_t** bits) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pixels = nullptr;
  rt::GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  *bits = static_cast<std::uint32_t*>(pixels);
  return bitmap;
}

class DibCanvas {
 public:
  DibCanvas(int width, int height)
      : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)), bitmap_(DibBitmap(width, height, &bits_)) {
    old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~DibCanvas() { SelectObject(dc_.get(), old_); }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(COLORREF color) {
    GdiFlush();
    const std::uint32_t pixel = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
    for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
  }
  COLORREF At(int x, int y) const {
    GdiFlush();
    const std::uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // How many pixels of columns [left, right) the test accepts (a COLORREF predicate).
  template <class Accepts>
  int Count(int left, int right, Accepts accepts) const {
    int n = 0;
    for (int y = 0; y < height_; ++y)
      for (int x = left; x < right; ++x) n += accepts(At(x, y)) ? 1 : 0;
    return n;
  }
  int Count(int left, int right, COLORREF color) const {
    return Count(left, right, [color](COLORREF c) { return c == color; });
  }
  // The canvas as the picture's next rows.
  void AppendTo(Picture& picture) const {
    picture.width = width_;
    picture.height += height_;
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x) {
        const COLORREF c = At(x, y);
        picture.rgb.insert(picture.rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
      }
  }

 private:
  int width_, height_;
  rt::UniqueMemoryDc dc_;
  std::uint32_t* bits_ = nullptr;
  rt::GdiObject<HBITMAP> bitmap_;
  HGDIOBJ old_ = nullptr;
};

// An icon drawn at size x size pixels over black, as a picture.
inline Picture DrawnIcon(HICON icon, int size) {
  DibCanvas canvas(size, size);
  canvas.Fill(RGB(0, 0, 0));
  DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  Picture picture;
  canvas.AppendTo(picture);
  return picture;
}

}  // namespace test
