#include "win32_lifecycle_platform.h"

#include "com_module.h"
#include "msg_box.h"

namespace amb {
namespace {

constexpr wchar_t kTimerWindowClass[] = L"AmbreloTimerWindow";
constexpr float kTwipsPerInch = 1440;

HWND AsWindow(intptr_t window) { return reinterpret_cast<HWND>(window); }
UINT_PTR TimerId(LifecycleTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

}  // namespace

Win32LifecyclePlatform::~Win32LifecyclePlatform() {
  if (timerWindow_) DestroyWindow(timerWindow_);  // its timers go with it
}

LRESULT CALLBACK Win32LifecyclePlatform::TimerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<Win32LifecyclePlatform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && wp >= 1 && wp <= kLifecycleTimerCount && self->onTick_)
      self->onTick_(static_cast<LifecycleTimer>(wp - 1));
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

// Made on the first timer, so a control that never follows a form owns no window.
bool Win32LifecyclePlatform::EnsureTimerWindow() {
  if (timerWindow_) return true;
  WNDCLASSEXW wc{sizeof wc};
  if (!GetClassInfoExW(ModuleInstance(), kTimerWindowClass, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &TimerWindowProc;
    wc.hInstance = ModuleInstance();
    wc.lpszClassName = kTimerWindowClass;
    if (!RegisterClassExW(&wc)) return false;
  }
  timerWindow_ = CreateWindowExW(0, kTimerWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ModuleInstance(),
                                 nullptr);
  if (!timerWindow_) return false;
  SetWindowLongPtrW(timerWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

bool Win32LifecyclePlatform::LockWindowUpdate(intptr_t window) { return ::LockWindowUpdate(AsWindow(window)) != 0; }
void Win32LifecyclePlatform::UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }

// A region handed to SetWindowRgn belongs to the system; one it refused is ours to delete.
void Win32LifecyclePlatform::SetEmptyRegion(intptr_t window) {
  HRGN region = CreateRectRgn(1, 1, 1, 1);
  if (region && !SetWindowRgn(AsWindow(window), region, TRUE)) DeleteObject(region);
}

void Win32LifecyclePlatform::RemoveRegion(intptr_t window) { SetWindowRgn(AsWindow(window), nullptr, TRUE); }

void Win32LifecyclePlatform::Beep() { MessageBeep(MB_OK); }

// Captioned with the library's own title: nothing in a DLL sets the program title MsgBox would take.
void Win32LifecyclePlatform::ShowError(const std::string& text) { rt::MsgBox(text, MB_OK, "Ambrelo"); }

void Win32LifecyclePlatform::StartTimer(LifecycleTimer timer, unsigned milliseconds) {
  if (EnsureTimerWindow()) SetTimer(timerWindow_, TimerId(timer), milliseconds, nullptr);
}

void Win32LifecyclePlatform::StopTimer(LifecycleTimer timer) {
  if (timerWindow_) KillTimer(timerWindow_, TimerId(timer));
}

// rcNormalPosition is in workspace pixels; twips follow the screen's logical pixels per inch.
std::optional<Placement> Win32LifecyclePlatform::NormalPlacement(intptr_t window) {
  WINDOWPLACEMENT wp{sizeof wp};
  if (!GetWindowPlacement(AsWindow(window), &wp)) return std::nullopt;
  HDC screen = GetDC(nullptr);
  if (!screen) return std::nullopt;
  float perPixelX = kTwipsPerInch / static_cast<float>(GetDeviceCaps(screen, LOGPIXELSX));
  float perPixelY = kTwipsPerInch / static_cast<float>(GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  const RECT& r = wp.rcNormalPosition;
  return Placement{r.left * perPixelX, r.top * perPixelY, (r.right - r.left) * perPixelX,
                   (r.bottom - r.top) * perPixelY};
}

void UnregisterTimerWindowClass() { UnregisterClassW(kTimerWindowClass, ModuleInstance()); }

}  // namespace amb
