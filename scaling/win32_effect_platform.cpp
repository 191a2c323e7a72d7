#include "win32_effect_platform.h"

#include <windows.h>

namespace amb {

bool Win32EffectPlatform::WindowSize(intptr_t window, float& width, float& height) {
  RECT r;
  if (!GetWindowRect(reinterpret_cast<HWND>(window), &r)) return false;
  width = static_cast<float>(r.right - r.left);
  height = static_cast<float>(r.bottom - r.top);
  return true;
}

bool Win32EffectPlatform::WindowExists(intptr_t window) { return IsWindow(reinterpret_cast<HWND>(window)) != FALSE; }

// A region the system did not take is still ours to delete; one that cannot be made is skipped.
void Win32EffectPlatform::SetRegion(intptr_t window, const RegionRect& rect) {
  HRGN region = CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom);
  if (region && !SetWindowRgn(reinterpret_cast<HWND>(window), region, TRUE)) DeleteObject(region);
}

void Win32EffectPlatform::RemoveRegion(intptr_t window) { SetWindowRgn(reinterpret_cast<HWND>(window), nullptr, TRUE); }

double Win32EffectPlatform::Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Waits at most a millisecond for something to arrive, so that a waiting step does not spin.
void Win32EffectPlatform::ProcessEvents() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace amb
