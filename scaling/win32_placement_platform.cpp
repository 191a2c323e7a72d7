#include "win32_placement_platform.h"

#include <windows.h>

#include "screen.h"
#include "settings_area.h"

namespace amb {

ScreenMetrics Win32PlacementPlatform::Screen() {
  const rt::ScreenObject& screen = rt::Screen();
  return {static_cast<float>(screen.Width()), static_cast<float>(screen.Height()),
          static_cast<float>(screen.TwipsPerPixelX()), static_cast<float>(screen.TwipsPerPixelY())};
}

std::optional<PixelRect> Win32PlacementPlatform::ParentWindowRect(intptr_t window) {
  HWND parent = GetParent(reinterpret_cast<HWND>(window));
  RECT r;
  if (!parent || !GetWindowRect(parent, &r)) return std::nullopt;
  return PixelRect{r.left, r.top, r.right, r.bottom};
}

void Win32PlacementPlatform::SetTopMost(intptr_t window, bool onTop) {
  SetWindowPos(reinterpret_cast<HWND>(window), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
}

bool Win32PlacementPlatform::SaveSetting(const std::string& section, const std::string& key,
                                         const std::string& value) {
  return rt::SaveSetting(kPlacementApplication, section, key, value) == ERROR_SUCCESS;
}

// A missing value and an empty one read alike: neither is a number.
std::optional<std::string> Win32PlacementPlatform::GetSetting(const std::string& section, const std::string& key) {
  std::string value = rt::GetSetting(kPlacementApplication, section, key);
  if (value.empty()) return std::nullopt;
  return value;
}

void Win32PlacementPlatform::DeleteSection(const std::string& section) {
  rt::DeleteSettingSection(kPlacementApplication, section);
}

}  // namespace amb
