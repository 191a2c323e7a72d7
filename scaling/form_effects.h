#pragma once
// The open and close effects: the host window's region grows (open) or shrinks (close) step by
// step over the chosen time, 18 steps a second: wipes from an edge, a band from the centre, or a
// fold.
#include <cstdint>
#include <optional>

#include "host_form.h"

namespace amb {

enum FormEffect : int16_t { kNoEffect, kWipeLeft, kWipeRight, kWipeUp, kWipeDown, kWipeVertical, kWipeHorizontal, kFold };

struct RegionRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const RegionRect&) const = default;
};

// One run of an effect on a window width by height pixels; dt is seconds per step.
struct EffectFrame {
  int32_t steps = 0;
  float width = 0, height = 0, dx = 0, dy = 0, dt = 0, xa = 0, xb = 0;
};
// 18 steps a second, 100 without a time; a time too short for one step gives none. The time is
// taken within the range a property page offers, whatever a stored value says.
int32_t EffectSteps(float seconds);
EffectFrame MakeEffectFrame(float width, float height, float seconds);
// The region of step i (1 to steps); nullopt: the region stays as it is for that step.
std::optional<RegionRect> OpenRect(int16_t effect, int i, const EffectFrame& f);
std::optional<RegionRect> CloseRect(int16_t effect, int i, const EffectFrame& f);

// The window's side of an effect, and the clock that paces it.
class EffectPlatform {
 public:
  virtual ~EffectPlatform() = default;
  // The window's outer size in pixels.
  virtual bool WindowSize(intptr_t window, float& width, float& height) = 0;
  // False once the window is destroyed (the form closed while a step waited).
  virtual bool WindowExists(intptr_t window) = 0;
  virtual void SetRegion(intptr_t window, const RegionRect& rect) = 0;
  virtual void RemoveRegion(intptr_t window) = 0;
  virtual double Now() = 0;  // seconds
  // Handles what is waiting for the thread; may wait a moment for more.
  virtual void ProcessEvents() = 0;
};

// False when the effect did not play (minimised form, no effect, the form closed meanwhile):
// nothing is to follow it then.
HostStatus PlayOpenEffect(HostForm& form, int16_t effect, float seconds, EffectPlatform& platform, bool& played);
HostStatus PlayCloseEffect(HostForm& form, int16_t effect, float seconds, EffectPlatform& platform, bool& played);

}  // namespace amb
