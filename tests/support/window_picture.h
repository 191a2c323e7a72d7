#pragma once
// A window as the screen shows it, kept as a PNG for a person to look at.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "png_file.h"
#include "process_driver.h"

namespace test {

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;  // by rows from the top
  int At(int x, int y, int channel) const { return rgb[(static_cast<size_t>(y) * width + x) * 3 + channel]; }
};

// Whether a visible top-level window of another process lies above this one and overlaps it. The
// window's own process may cover it on purpose (a submenu, a tool tip): that belongs in the picture.
inline bool CoveredByAnotherProgram(HWND window) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  RECT mine;
  GetWindowRect(window, &mine);
  for (HWND above = GetWindow(window, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
    DWORD theirOwner = 0;
    GetWindowThreadProcessId(above, &theirOwner);
    RECT theirs, both;
    if (theirOwner != owner && IsWindowVisible(above) && GetWindowRect(above, &theirs) &&
        IntersectRect(&both, &mine, &theirs))
      return true;
  }
  return false;
}

// The client area of a window as the screen holds it at this moment, nothing painted afresh.
inline Picture ScreenPixelsOf(HWND window) {
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

// Whether the window or one of its visible children still has a part to paint. It may belong to
// another process: the update region is the system's.
inline bool PaintPending(HWND window) {
  struct Search {
    static BOOL CALLBACK Child(HWND child, LPARAM found) {
      if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
      *reinterpret_cast<bool*>(found) = true;
      return FALSE;
    }
  };
  if (GetUpdateRect(window, nullptr, FALSE)) return true;
  bool pending = false;
  EnumChildWindows(window, Search::Child, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

inline void RunPendingMessages(int rounds) {
  for (int i = 0; i < rounds; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(25);
  }
}

// The client area of a window (without a window manager nobody draws the frame), brought above
// everything else and taken when it has finished painting; the window may belong to another
// process. The suites that show windows hold the screen one at a time; a window of another program
// that still lies above this one (one the test started) is waited out. asShown takes the window as
// it has painted itself so far (what a partial repaint left, a highlight's).
inline Picture CaptureWindow(HWND window, bool asShown = false) {
  const int attempts = 40;
  Picture p;
  for (int attempt = 1; attempt <= attempts; ++attempt) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (!asShown) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RunPendingMessages(8);
    // The picture is taken once the window has painted all of itself (5 s at most).
    for (int round = 0; round < 200 && PaintPending(window); ++round) RunPendingMessages(1);
    if (attempt < attempts && CoveredByAnotherProgram(window)) continue;
    p = ScreenPixelsOf(window);
    if (!CoveredByAnotherProgram(window)) break;
  }
  return p;
}

// How many pixels of the rectangle (x, y, width, height) the test accepts, e.g. a picture's colour.
template <class Test>
int CountPixels(const Picture& p, int x, int y, int width, int height, Test accepts) {
  int count = 0;
  for (int row = y; row < y + height && row < p.height; ++row)
    for (int col = x; col < x + width && col < p.width; ++col)
      if (accepts(p.At(col, row, 0), p.At(col, row, 1), p.At(col, row, 2))) ++count;
  return count;
}

// Writes the picture as <artifact folder>/<name>.png; false when it cannot.
inline bool KeepPicture(const Picture& p, const std::string& artifactDir, const std::string& name) {
  std::string folder = WindowsPathOf(artifactDir);
  CreateDirectoryA(folder.c_str(), nullptr);
  return WritePng(folder + "\\" + name + ".png", p.width, p.height, p.rgb);
}

}  // namespace test
