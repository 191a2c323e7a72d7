#include "image_drawing.h"

#include <shellapi.h>

#include <charconv>
#include <cstdint>

#include "menu_drawing.h"
#include "scoped_win.h"

namespace modMenus {
namespace {

struct IconTraits {
  using Handle = HICON;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { DestroyIcon(h); }
};
using UniqueIcon = rt::UniqueResource<IconTraits>;

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

bool IsBitmap(HANDLE image) {
  BITMAP info{};
  return GetObjectType(image) == OBJ_BITMAP && GetObjectA(image, sizeof info, &info) == sizeof info;
}

bool IsIcon(HANDLE image) {
  ICONINFO info{};
  if (!GetIconInfo(static_cast<HICON>(image), &info)) return false;
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return info.hbmMask != nullptr;
}

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

// The image's dark pixels painted in one brush colour at (x, y).
void PaintShape(HDC dc, HDC mask, int x, int y, int width, int height, COLORREF color) {
  rt::GdiObject<HBRUSH> brush(CreateSolidBrush(color));
  Selection selected(dc, brush.get());
  BitBlt(dc, x, y, width, height, mask, 0, 0, 0xB8074A);  // the brush where the mask is 0
}

void DrawDisabled(HDC dc, HANDLE image, bool bitmap, int mode, bool embossed, int x, int y, int width, int height) {
  rt::UniqueMemoryDc color(CreateCompatibleDC(dc));
  rt::GdiObject<HBITMAP> colorBits(CreateCompatibleBitmap(dc, width, height));
  Selection colorSelected(color.get(), colorBits.get());
  PatBlt(color.get(), 0, 0, width, height, WHITENESS);
  DrawPlain(color.get(), image, bitmap, mode, 0, 0, width, height);
  // One bit per pixel: white stays 1, everything the image drew becomes 0.
  rt::UniqueMemoryDc mask(CreateCompatibleDC(dc));
  rt::GdiObject<HBITMAP> maskBits(CreateBitmap(width, height, 1, 1, nullptr));
  Selection maskSelected(mask.get(), maskBits.get());
  SetBkColor(color.get(), RGB(255, 255, 255));
  BitBlt(mask.get(), 0, 0, width, height, color.get(), 0, 0, SRCCOPY);

  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const EngineColors& c = Colors();
  if (embossed) {
    PaintShape(dc, mask.get(), x + 1, y + 1, width, height, c.light);
    PaintShape(dc, mask.get(), x, y, width, height, c.shadow);
  } else {
    PaintShape(dc, mask.get(), x + 1, y + 1, width, height, c.shadow);
    PaintShape(dc, mask.get(), x, y, width, height, oldBack);
  }
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

}  // namespace

std::string ImageKeyOf(HANDLE image) {
  return image ? std::to_string(reinterpret_cast<uintptr_t>(image)) : std::string();
}

HANDLE ImageOfKey(std::string_view key) {
  uintptr_t value = 0;
  auto [ptr, ec] = std::from_chars(key.data(), key.data() + key.size(), value);
  if (ec != std::errc() || ptr != key.data() + key.size()) return nullptr;
  return reinterpret_cast<HANDLE>(value);
}

bool DrawImage(HDC dc, std::string_view imageSpec, const RECT& rect, bool disabled, bool embossed, int mode,
               int offsetX, int offsetY, int width, int height) {
  HANDLE image = nullptr;
  UniqueIcon shellIcon;
  const bool numeric = imageSpec.empty() || imageSpec.find_first_not_of("0123456789") == std::string_view::npos;
  if (numeric) {
    image = ImageOfKey(imageSpec);
  } else {
    SHFILEINFOA info{};
    const std::string path(imageSpec);
    if (SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES))
      shellIcon.reset(info.hIcon);
    image = shellIcon.get();
  }
  if (!image || !dc) return false;
  const bool bitmap = IsBitmap(image);
  if (!bitmap && !IsIcon(image)) return false;
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
  // The source at the destination's size, mirrored when asked.
  rt::UniqueMemoryDc image(CreateCompatibleDC(dest));
  rt::GdiObject<HBITMAP> imageBits(CreateCompatibleBitmap(dest, width, height));
  Selection imageSelected(image.get(), imageBits.get());
  SetMapMode(image.get(), GetMapMode(source));
  SetStretchBltMode(image.get(), COLORONCOLOR);
  StretchBlt(image.get(), mirrorX ? width - 1 : 0, mirrorY ? height - 1 : 0, mirrorX ? -width : width,
             mirrorY ? -height : height, source, sx, sy, sourceWidth, sourceHeight, SRCCOPY);
  // Mask: 1 where the key colour is.
  rt::UniqueMemoryDc mask(CreateCompatibleDC(dest));
  rt::GdiObject<HBITMAP> maskBits(CreateBitmap(width, height, 1, 1, nullptr));
  Selection maskSelected(mask.get(), maskBits.get());
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
