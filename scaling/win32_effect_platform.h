#pragma once
// The effects' system side on Win32: the window rectangle, window regions (which belong to the
// system once set), a performance-counter clock and the thread's messages while an effect waits.
#include "form_effects.h"

namespace amb {

class Win32EffectPlatform final : public EffectPlatform {
 public:
  bool WindowSize(intptr_t window, float& width, float& height) override;
  bool WindowExists(intptr_t window) override;
  void SetRegion(intptr_t window, const RegionRect& rect) override;
  void RemoveRegion(intptr_t window) override;
  double Now() override;
  void ProcessEvents() override;
};

}  // namespace amb
