#include "win32_picture_tools.h"

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cmath>

#include "dispatch_object.h"
#include "screen.h"
#include "scoped_win.h"

namespace amb {
namespace {

rt::ComPtr<IPicture> PictureOf(HostObject& object) {
  rt::ComPtr<IPicture> picture;
  if (IDispatch* d = DispatchOf(&object)) d->QueryInterface(IID_IPicture, picture.put_void());
  return picture;
}

int Pixels(float twips, bool horizontal) {
  double perPixel = horizontal ? rt::Screen().TwipsPerPixelX() : rt::Screen().TwipsPerPixelY();
  return static_cast<int>(std::lround(twips / perPixel));
}

// A 32-bit top-down DIB section of the given size, selected into its own memory DC.
class Surface {
 public:
  // A pattern brush takes a device-dependent bitmap; pictures get DIB sections.
  Surface(int width, int height, bool forBrush = false) : width_(width), height_(height) {
    if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide) return;
    if (forBrush) {
      HDC screen = GetDC(nullptr);
      bitmap_.reset(CreateCompatibleBitmap(screen, width, height));
      ReleaseDC(nullptr, screen);
    } else {
      BITMAPINFO bi{};
      bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
      void* bits = nullptr;
      bitmap_.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    dc_.reset(CreateCompatibleDC(nullptr));
    if (bitmap_ && dc_) old_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~Surface() {
    if (old_) SelectObject(dc_.get(), old_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  bool Ready() const { return old_ != nullptr; }
  HDC Dc() const { return dc_.get(); }
  void Fill(COLORREF color) {
    rt::GdiObject<HBRUSH> brush(CreateSolidBrush(color));
    RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
  }
  // The bitmap, deselected and handed over to a new picture object that owns it.
  HostObjectPtr TakePicture() {
    SelectObject(dc_.get(), old_);
    old_ = nullptr;
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap_.get();
    rt::ComPtr<IDispatch> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void()))) return nullptr;
    bitmap_.release();
    return WrapDispatch(picture.get());
  }
  HBITMAP Bitmap() const { return bitmap_.get(); }

 private:
  int width_, height_;
  rt::GdiObject<HBITMAP> bitmap_;
  rt::UniqueMemoryDc dc_;
  HGDIOBJ old_ = nullptr;
};

bool Draw(IPicture* picture, HDC dc, int x, int y, int cx, int cy) {
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  if (FAILED(picture->get_Width(&w)) || FAILED(picture->get_Height(&h))) return false;
  return SUCCEEDED(picture->Render(dc, x, y, cx, cy, 0, h, w, -h, nullptr));
}

COLORREF ColorOf(int32_t oleColor) {
  COLORREF color = 0;
  if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(oleColor), nullptr, &color))) color = GetSysColor(COLOR_BTNFACE);
  return color;
}

}  // namespace

bool Win32PictureTools::SizeOf(HostObject& object, float& width, float& height) {
  rt::ComPtr<IPicture> picture = PictureOf(object);
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  if (!picture || FAILED(picture->get_Width(&w)) || FAILED(picture->get_Height(&h)) || w <= 0) return false;
  width = HimetricToTwips(static_cast<float>(w));
  height = HimetricToTwips(static_cast<float>(h));
  return true;
}

HostObjectPtr Win32PictureTools::Stretch(HostObject& object, float width, float height) {
  rt::ComPtr<IPicture> picture = PictureOf(object);
  int cx = Pixels(width, true), cy = Pixels(height, false);
  Surface surface(std::max(cx, 1), std::max(cy, 1));
  if (!picture || !surface.Ready()) return nullptr;
  surface.Fill(GetSysColor(COLOR_BTNFACE));  // a picture box's own background, under any transparency
  if (!Draw(picture.get(), surface.Dc(), 0, 0, std::max(cx, 1), std::max(cy, 1))) return nullptr;
  return surface.TakePicture();
}

// Tiles are painted with a pattern brush made from one drawing of the picture: the cost is that
// of the output, whatever the size of the picture.
HostObjectPtr Win32PictureTools::Lay(HostObject& object, PictureLayout layout, float width, float height,
                                     int32_t backColor) {
  rt::ComPtr<IPicture> picture = PictureOf(object);
  float pw = 0, ph = 0;
  if (!picture || !SizeOf(object, pw, ph)) return nullptr;
  int cx = Pixels(width, true), cy = Pixels(height, false);
  int tileW = std::max(Pixels(pw, true), 1), tileH = std::max(Pixels(ph, false), 1);
  Surface surface(cx, cy);
  if (!surface.Ready()) return nullptr;
  surface.Fill(ColorOf(backColor));
  if (layout == PictureLayout::Center) {
    int x = Pixels(CenterOffset(width, pw), true), y = Pixels(CenterOffset(height, ph), false);
    if (!Draw(picture.get(), surface.Dc(), x, y, tileW, tileH)) return nullptr;
    return surface.TakePicture();
  }
  Surface tile(tileW, tileH, true);
  if (!tile.Ready() || !Draw(picture.get(), tile.Dc(), 0, 0, tileW, tileH)) return nullptr;
  rt::GdiObject<HBRUSH> brush(CreatePatternBrush(tile.Bitmap()));
  if (!brush) return nullptr;
  int x0 = Pixels(kTileStart, true), y0 = Pixels(kTileStart, false);
  SetBrushOrgEx(surface.Dc(), x0, y0, nullptr);
  RECT area{x0, y0, cx, cy};
  FillRect(surface.Dc(), &area, brush.get());
  return surface.TakePicture();
}

}  // namespace amb
