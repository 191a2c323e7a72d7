#pragma once
// The lifecycle's system side on Win32: LockWindowUpdate, window regions, MessageBeep, the error
// box, and the four timers on a hidden message-only window of the control.
#include <windows.h>

#include <functional>

#include "lifecycle_platform.h"

namespace amb {

class Win32LifecyclePlatform final : public LifecyclePlatform {
 public:
  explicit Win32LifecyclePlatform(std::function<void(LifecycleTimer)> onTick) : onTick_(std::move(onTick)) {}
  ~Win32LifecyclePlatform() override;
  Win32LifecyclePlatform(const Win32LifecyclePlatform&) = delete;
  Win32LifecyclePlatform& operator=(const Win32LifecyclePlatform&) = delete;

  bool LockWindowUpdate(intptr_t window) override;
  void UnlockWindowUpdate() override;
  void SetEmptyRegion(intptr_t window) override;
  void RemoveRegion(intptr_t window) override;
  void Beep() override;
  void ShowError(const std::string& text) override;
  void StartTimer(LifecycleTimer timer, unsigned milliseconds) override;
  void StopTimer(LifecycleTimer timer) override;
  std::optional<Placement> NormalPlacement(intptr_t window) override;

 private:
  static LRESULT CALLBACK TimerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  bool EnsureTimerWindow();

  std::function<void(LifecycleTimer)> onTick_;
  HWND timerWindow_ = nullptr;
};

// Called when no object of the DLL is left, as for the control's own window class.
void UnregisterTimerWindowClass();

}  // namespace amb
