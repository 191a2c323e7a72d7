#include "image_drawing.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "caption_text.h"
#include "image_facts.h"
#include "menu_drawing.h"
#include "scoped_win.h"

namespace modMenus {
namespace {

// A device context that keeps an object selected while it lives.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A palette selected and realised in a memory context while it lives, the old one put back.
class PaletteSelection {
 public:
  PaletteSelection(HDC dc, HPALETTE palette) : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
    if (old_) RealizePalette(dc);
  }
  ~PaletteSelection() {
    if (old_) SelectPalette(dc_, old_, FALSE);
  }
  PaletteSelection(const PaletteSelection&) = delete;
  PaletteSelection& operator=(const PaletteSelection&) = delete;

 private:
  HDC dc_;
  HPALETTE old_;
};

// Draws the image at (x, y) in width x height; a bitmap with its background (mode 1) or
// without its top-left colour.
void DrawPlain(HDC dc, HANDLE image, bool bitmap, int mode, int x, int y, int width, int height) {
  if (!bitmap) {
    DrawIconEx(dc, x, y, static_cast<HICON>(image), width, height, 0, nullptr, DI_NORMAL);
    return;
  }
  BITMAP info{};
  GetObjectA(image, sizeof info, &info);
  rt::UniqueMemoryDc source(CreateCompatibleDC(dc));
  Selection selected(source.get(), image);
  if (mode == 1) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  } else {
    DrawTransparent(dc, x, y, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight, -1);
  }
}

// A 32-bit top-down picture of width x height whose pixels can be read and written.
class Pixels {
 public:
  Pixels(HDC like, int width, int height) : dc_(CreateCompatibleDC(like)) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<uint32_t*>(bits);
    if (bitmap_) old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~Pixels() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  Pixels(const Pixels&) = delete;
  Pixels& operator=(const Pixels&) = delete;
  bool ok() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  uint32_t* bits() const { return bits_; }

 private:
  rt::UniqueMemoryDc dc_;
  rt::GdiObject<HBITMAP> bitmap_;
  uint32_t* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// How much of each pixel the image covers (0 to 255), found by drawing it once on white and once
// on black: whatever it leaves uncovered shows the background, whatever it covers does not. A
// pixel the image paints white counts as uncovered, as a greyed image shows only its dark parts.
// This holds for an icon's alpha or mask and for a bitmap's left-out colour alike.
std::vector<uint8_t> Coverage(HDC dc, HANDLE image, bool bitmap, int mode, int width, int height) {
  Pixels onWhite(dc, width, height), onBlack(dc, width, height);
  std::vector<uint8_t> coverage(static_cast<size_t>(width) * height, 0);
  if (!onWhite.ok() || !onBlack.ok()) return coverage;
  std::fill_n(onWhite.bits(), coverage.size(), 0x00FFFFFFu);
  std::fill_n(onBlack.bits(), coverage.size(), 0u);
  DrawPlain(onWhite.dc(), image, bitmap, mode, 0, 0, width, height);
  DrawPlain(onBlack.dc(), image, bitmap, mode, 0, 0, width, height);
  GdiFlush();
  for (size_t i = 0; i < coverage.size(); ++i) {
    const uint32_t white = onWhite.bits()[i] & 0xFFFFFF, black = onBlack.bits()[i] & 0xFFFFFF;
    if (black == 0xFFFFFF) continue;  // painted white
    int covered = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int shown = static_cast<int>((white >> shift) & 0xFF) - static_cast<int>((black >> shift) & 0xFF);
      covered = std::max(covered, 255 - std::clamp(shown, 0, 255));
    }
    coverage[i] = static_cast<uint8_t>(covered);
  }
  return coverage;
}

// The covered pixels painted in one colour at (x, y), blended by how much each is covered.
void PaintShape(HDC dc, const std::vector<uint8_t>& coverage, int x, int y, int width, int height, COLORREF color) {
  Pixels shape(dc, width, height);
  if (!shape.ok()) return;
  for (size_t i = 0; i < coverage.size(); ++i) {
    const uint32_t a = coverage[i];  // premultiplied, as the blend takes it
    shape.bits()[i] = a << 24 | (GetRValue(color) * a / 255) << 16 | (GetGValue(color) * a / 255) << 8 |
                      (GetBValue(color) * a / 255);
  }
  GdiFlush();
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  GdiAlphaBlend(dc, x, y, width, height, shape.dc(), 0, 0, width, height, blend);
}

void DrawDisabled(HDC dc, HANDLE image, bool bitmap, int mode, bool embossed, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0) return;
  const std::vector<uint8_t> coverage = Coverage(dc, image, bitmap, mode, width, height);
  const EngineColors& c = Colors();
  if (embossed) {
    PaintShape(dc, coverage, x + 1, y + 1, width, height, c.light);
    PaintShape(dc, coverage, x, y, width, height, c.shadow);
  } else {
    PaintShape(dc, coverage, x + 1, y + 1, width, height, c.shadow);
    PaintShape(dc, coverage, x, y, width, height, GetBkColor(dc));
  }
}

}  // namespace

std::string ImageKeyOf(HANDLE image) {
  return image ? std::to_string(reinterpret_cast<uintptr_t>(image)) : std::string();
}

HANDLE ImageOfKey(std::string_view key) {
  const std::optional<uintptr_t> value = ParseHandleValue(key);
  return value ? reinterpret_cast<HANDLE>(*value) : nullptr;
}

bool DrawImage(HDC dc, std::string_view imageSpec, const RECT& rect, bool disabled, bool embossed, int mode,
               int offsetX, int offsetY, int width, int height) {
  HANDLE image = nullptr;
  rt::UniqueHicon shellIcon;
  if (imageSpec.empty() || IsDigits(imageSpec)) {
    image = ImageOfKey(imageSpec);
  } else {
    SHFILEINFOA info{};
    const std::string path(imageSpec);
    if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
      shellIcon.reset(info.hIcon);
    image = shellIcon.get();
  }
  if (!image || !dc) return false;
  const ImageFacts facts = ProbeImage(image);
  const bool bitmap = facts.kind == ImageFacts::Kind::Bitmap;
  if (!bitmap && !(facts.kind == ImageFacts::Kind::Icon && facts.iconMask)) return false;
  const int x = rect.left + offsetX, y = rect.top + offsetY;
  if (disabled)
    DrawDisabled(dc, image, bitmap, mode, embossed, x, y, width, height);
  else
    DrawPlain(dc, image, bitmap, mode, x, y, width, height);
  return true;
}

void DrawTransparent(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sourceWidth,
                     int sourceHeight, int32_t transparentColor, bool mirrorX, bool mirrorY) {
  if (width <= 0 || height <= 0) return;
  const COLORREF key = transparentColor < 0 ? GetPixel(source, sx, sy) : ResolveColor(transparentColor);
  // The source at the destination's size, mirrored when asked, in the destination's palette.
  rt::UniqueMemoryDc image(CreateCompatibleDC(dest));
  rt::GdiObject<HBITMAP> imageBits(CreateCompatibleBitmap(dest, width, height));
  Selection imageSelected(image.get(), imageBits.get());
  const auto palette = static_cast<HPALETTE>(GetCurrentObject(dest, OBJ_PAL));
  PaletteSelection imagePalette(image.get(), palette);
  SetMapMode(image.get(), GetMapMode(source));
  SetStretchBltMode(image.get(), COLORONCOLOR);
  StretchBlt(image.get(), mirrorX ? width - 1 : 0, mirrorY ? height - 1 : 0, mirrorX ? -width : width,
             mirrorY ? -height : height, source, sx, sy, sourceWidth, sourceHeight, SRCCOPY);
  // Mask: 1 where the key colour is.
  rt::UniqueMemoryDc mask(CreateCompatibleDC(dest));
  rt::GdiObject<HBITMAP> maskBits(CreateBitmap(width, height, 1, 1, nullptr));
  Selection maskSelected(mask.get(), maskBits.get());
  PaletteSelection maskPalette(mask.get(), palette);
  SetBkColor(image.get(), key);
  BitBlt(mask.get(), 0, 0, width, height, image.get(), 0, 0, SRCCOPY);
  // The key colour becomes black in the image, the rest of the destination is cleared under the mask.
  SetBkColor(image.get(), RGB(0, 0, 0));
  SetTextColor(image.get(), RGB(255, 255, 255));
  BitBlt(image.get(), 0, 0, width, height, mask.get(), 0, 0, SRCAND);
  const COLORREF oldBack = SetBkColor(dest, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
  BitBlt(dest, x, y, width, height, mask.get(), 0, 0, SRCAND);
  SetBkColor(dest, oldBack);
  SetTextColor(dest, oldText);
  BitBlt(dest, x, y, width, height, image.get(), 0, 0, SRCPAINT);
}

}  // namespace modMenus
