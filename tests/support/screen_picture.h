#pragma once
// What the screen shows of a window, for checks on its pixels and for pictures kept as artifacts.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace test {

// The client area of a window as the screen shows it, RGB by rows.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  int At(int x, int y, int channel) const { return rgb[(static_cast<size_t>(y) * width + x) * 3 + channel]; }
};

inline Picture Capture(HWND window) {
  // Above whatever else is on the display, and painted, before the picture is taken.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(200);
  Picture p;
  RECT r;
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  p.width = r.right;
  p.height = r.bottom;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), p.width, -p.height, 1, 24, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, p.width, p.height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const int stride = (p.width * 3 + 3) & ~3;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const auto* px = static_cast<const std::uint8_t*>(bits) + y * stride + x * 3;
      p.rgb.insert(p.rgb.end(), {px[2], px[1], px[0]});
    }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return p;
}

}  // namespace test
