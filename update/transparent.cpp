#include "transparent.h"

#include "error_report.h"

namespace Transparent {
namespace {

bool IsWin9xFamily() {
  OSVERSIONINFOA info = {sizeof info};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
  return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

long MakeTransparent(HWND hwnd, int alpha) {
  if (IsWin9xFamily()) return 0;
  if (alpha < 0 || alpha > 255) return 1;
  rt::Trap("Transparent", "MakeTransparent", [&] {
    LONG_PTR style = GetWindowLongPtrA(hwnd, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd, GWL_EXSTYLE, style | WS_EX_LAYERED);
    if (!SetLayeredWindowAttributes(hwnd, 0, static_cast<BYTE>(alpha), LWA_ALPHA))
      rt::Raise("The window can not be made transparent");
  });
  return 0;
}

}  // namespace Transparent
