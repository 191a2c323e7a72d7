#include "toolbox_image.h"

#include "ambrelo_resources.h"
#include "com_module.h"
#include "scoped_win.h"

namespace amb {

bool DrawToolboxImage(HDC dc, const RECT& bounds) {
  rt::GdiObject<HBITMAP> bitmap(
      static_cast<HBITMAP>(LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(IDB_TOOLBOX), IMAGE_BITMAP, 0, 0, 0)));
  if (!bitmap) return false;
  HDC source = CreateCompatibleDC(dc);
  if (!source) return false;
  HGDIOBJ previous = SelectObject(source, bitmap.get());
  int mode = SetStretchBltMode(dc, COLORONCOLOR);
  BOOL ok = StretchBlt(dc, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, source, 0,
                       0, kToolboxWidth, kToolboxHeight, SRCCOPY);
  SetStretchBltMode(dc, mode);
  SelectObject(source, previous);
  DeleteDC(source);
  return ok != FALSE;
}

SIZEL ToolboxExtent() {
  // HIMETRIC at the screen's logical resolution, as containers convert it back.
  HDC screen = GetDC(nullptr);
  int dpiX = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
  int dpiY = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return SIZEL{MulDiv(kToolboxWidth, 2540, dpiX), MulDiv(kToolboxHeight, 2540, dpiY)};
}

}  // namespace amb
