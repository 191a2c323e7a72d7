#include "form_effects.h"

#include <cmath>

#include "property_limits.h"

namespace amb {
namespace {

constexpr float kStepsPerSecond = 18;
constexpr int32_t kStepsWithoutTime = 100;
constexpr int32_t kMinimised = 1;

int32_t Coordinate(float v) { return static_cast<int32_t>(std::nearbyint(v)); }  // halves to even
RegionRect Rect(float l, float t, float r, float b) { return {Coordinate(l), Coordinate(t), Coordinate(r), Coordinate(b)}; }

}  // namespace

int32_t EffectSteps(float seconds) {
  seconds = LimitEffectTime(seconds);
  if (!(seconds > 0)) return kStepsWithoutTime;
  return static_cast<int32_t>(std::nearbyint(seconds * kStepsPerSecond));
}

EffectFrame MakeEffectFrame(float width, float height, float seconds) {
  seconds = LimitEffectTime(seconds);
  EffectFrame f;
  f.steps = EffectSteps(seconds);
  f.width = width;
  f.height = height;
  if (f.steps == 0) return f;
  const float n = static_cast<float>(f.steps);
  f.dx = width / n;
  f.dy = height / n;
  f.dt = seconds / n;
  const float half = (width / 10) / 2;  // the centre strip is a tenth of the width
  f.xa = n * f.dx / 2 - half;
  f.xb = n * f.dx / 2 + half;
  return f;
}

std::optional<RegionRect> OpenRect(int16_t effect, int step, const EffectFrame& f) {
  const float n = static_cast<float>(f.steps), i = static_cast<float>(step), w = f.width, h = f.height;
  switch (effect) {
    case kWipeLeft: return Rect((n - i) * f.dx, 0, w, h);
    case kWipeRight: return Rect(0, 0, i * f.dx, h);
    case kWipeUp: return Rect(0, (n - i) * f.dy, w, h);
    case kWipeDown: return Rect(0, 0, w, i * f.dy);
    case kWipeVertical: return Rect(n * f.dx / 2 - i * f.dx / 2, 0, n * f.dx / 2 + i * f.dx / 2, h);
    case kWipeHorizontal: return Rect(0, n * f.dy / 2 - i * f.dy / 2, w, n * f.dy / 2 + i * f.dy / 2);
    case kFold: {
      const float half = n / 2;
      if (half > i) return Rect(f.xa, half * f.dy - i * f.dy, f.xb, half * f.dy + i * f.dy);
      if ((n - i) * f.dx < f.xa) return Rect((n - i) * f.dx, 0, i * f.dx, h);
      return std::nullopt;
    }
    default: return std::nullopt;
  }
}

std::optional<RegionRect> CloseRect(int16_t effect, int step, const EffectFrame& f) {
  const float n = static_cast<float>(f.steps), i = static_cast<float>(step), w = f.width, h = f.height;
  switch (effect) {
    case kWipeLeft: return Rect(0, 0, (n - i) * f.dx, h);
    case kWipeRight: return Rect(i * f.dx, 0, w, h);
    case kWipeUp: return Rect(0, 0, w, (n - i) * f.dy);
    case kWipeDown: return Rect(0, i * f.dy, w, h);
    case kWipeVertical: return Rect(i * f.dx / 2, 0, i * f.dx / 2 + (n - i) * f.dx, h);
    case kWipeHorizontal: return Rect(0, i * f.dy / 2, w, i * f.dy / 2 + (n - i) * f.dy);
    case kFold: {
      const float half = n / 2;
      if (half > i) {
        if (i * f.dx < f.xa) return Rect(i * f.dx, 0, (n - i) * f.dx, h);
        return std::nullopt;
      }
      return Rect(f.xa, f.dy * (i - half), f.xb, f.dy * (n - (i - half)));
    }
    default: return std::nullopt;
  }
}

namespace {

using RectOfStep = std::optional<RegionRect> (*)(int16_t, int, const EffectFrame&);

// The first step runs at once; each later one waits until dt has passed since the end of the one
// before, or until its own moment t0 + i * dt has passed, whichever comes first: a late step runs
// at once. The thread's messages run between the steps, and one of them may close the form: the
// effect then ends where it is, as it does when the program is asked to quit. False when the
// window has gone.
bool PlaySteps(intptr_t window, int16_t effect, const EffectFrame& f, RectOfStep rectOf, EffectPlatform& platform) {
  const double t0 = platform.Now();
  double lastEnd = t0;
  for (int32_t i = 1; i <= f.steps; ++i) {
    while (i > 1 && f.dt != 0 && platform.Now() - lastEnd < f.dt && platform.Now() < t0 + i * static_cast<double>(f.dt))
      if (!platform.ProcessEvents()) return platform.WindowExists(window);
    if (!platform.WindowExists(window)) return false;
    if (std::optional<RegionRect> r = rectOf(effect, i, f)) platform.SetRegion(window, *r);
    lastEnd = platform.Now();
    if (!platform.ProcessEvents()) return platform.WindowExists(window);
  }
  return platform.WindowExists(window);
}

HostStatus Play(HostForm& form, int16_t effect, float seconds, EffectPlatform& platform, bool open, bool& played) {
  played = false;
  int32_t state = 0;
  intptr_t window = 0;
  HostStatus s = GetLong(form, "WindowState", state);
  if (s) s = GetWindowHandle(form, window);
  if (!s) return s;
  // A form that opens minimised shows whole when it is restored.
  if (open && state == kMinimised) platform.RemoveRegion(window);
  if (state == kMinimised || effect == kNoEffect) return {};
  float width = 0, height = 0;
  if (!platform.WindowSize(window, width, height)) return HostStatus::Failed("The form's window cannot be measured");
  if (!PlaySteps(window, effect, MakeEffectFrame(width, height, seconds), open ? OpenRect : CloseRect, platform))
    return {};
  if (open) platform.RemoveRegion(window);
  played = true;
  return {};
}

}  // namespace

HostStatus PlayOpenEffect(HostForm& form, int16_t effect, float seconds, EffectPlatform& platform, bool& played) {
  return Play(form, effect, seconds, platform, true, played);
}

HostStatus PlayCloseEffect(HostForm& form, int16_t effect, float seconds, EffectPlatform& platform, bool& played) {
  return Play(form, effect, seconds, platform, false, played);
}

}  // namespace amb
