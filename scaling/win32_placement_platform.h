#pragma once
// The placement's system side on Win32: the screen object, the parent window's rectangle,
// SetWindowPos to topmost, and the per-user settings area of the form runtime.
#include "form_placement.h"

namespace amb {

class Win32PlacementPlatform final : public PlacementPlatform {
 public:
  ScreenMetrics Screen() override;
  std::optional<PixelRect> ParentWindowRect(intptr_t window) override;
  void SetTopMost(intptr_t window, bool onTop) override;
  bool SaveSetting(const std::string& section, const std::string& key, const std::string& value) override;
  std::optional<std::string> GetSetting(const std::string& section, const std::string& key) override;
  void DeleteSection(const std::string& section) override;
};

}  // namespace amb
