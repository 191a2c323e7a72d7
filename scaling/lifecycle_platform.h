#pragma once
// What the host-form lifecycle asks of the system: the window-update lock, the window region of
// the open effect, the beep, the error box, its four timers and the window's normal placement.
// Windows are the host's hWnd values.
#include <cstdint>
#include <optional>
#include <string>

namespace amb {

enum class LifecycleTimer { DelayResize, DisableResize, PrintHide, WindowSize };
inline constexpr int kLifecycleTimerCount = 4;

// A placement in twips.
struct Placement {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Placement&) const = default;
};

class LifecyclePlatform {
 public:
  virtual ~LifecyclePlatform() = default;
  // False when the system refused (another window holds the one system-wide lock).
  virtual bool LockWindowUpdate(intptr_t window) = 0;
  virtual void UnlockWindowUpdate() = 0;
  virtual void SetEmptyRegion(intptr_t window) = 0;
  virtual void RemoveRegion(intptr_t window) = 0;
  virtual void Beep() = 0;
  virtual void ShowError(const std::string& text) = 0;
  // Starting a running timer starts its interval afresh.
  virtual void StartTimer(LifecycleTimer timer, unsigned milliseconds) = 0;
  virtual void StopTimer(LifecycleTimer timer) = 0;
  virtual std::optional<Placement> NormalPlacement(intptr_t window) = 0;
};

}  // namespace amb
