#pragma once
// How one control follows its host form: binding, the host's Load, Resize and Unload, the
// first-time setup, the size limits, the delayed rescaling, the four timers and the update lock.
#include <array>
#include <memory>

#include "ambrelo_settings.h"
#include "host_form.h"
#include "lifecycle_platform.h"
#include "resize_state.h"
#include "size_limits.h"
#include "scaling_work.h"

namespace amb {

inline constexpr const char* kTrappedErrorPrefix = "Ambrelo Trapped Error = ";

class FormLifecycle {
 public:
  FormLifecycle(const AmbreloSettings& settings, LifecyclePlatform& platform, ScalingWork& work)
      : settings_(settings), platform_(platform), work_(work) {}
  FormLifecycle(const FormLifecycle&) = delete;
  FormLifecycle& operator=(const FormLifecycle&) = delete;

  void SetUserMode(bool userMode) { userMode_ = userMode; }

  // firstControl is entry 0 of the container's controls, which says what kind of form holds the
  // control; parent is the control's Parent, the form that is then followed.
  // controls is that collection, whose items are told when the form may be drawn.
  HostStatus HookHostForm(HostForm& firstControl, std::shared_ptr<HostForm> parent,
                          std::shared_ptr<HostControls> controls);
  void OnLoad();
  // The host's Resize event: followed once the host has loaded.
  void OnHostResize() {
    if (hostLoaded_) OnFormResize();
  }
  // Every error of the reaction, returned or raised, is shown as a trapped error; none leaves it.
  void OnFormResize();
  // cancelled: the host's own Unload handler kept the form.
  void OnUnload(bool cancelled);
  void OnTimer(LifecycleTimer timer);
  HostStatus Reset();
  void Terminate();

  // The one update lock of the control; released only when this control took it.
  void LockUpdates(bool on);
  HostStatus LoadWindowSettings();
  // Print sizing: while it runs the print size is no normal placement; its two timers.
  void SetPrintSizing(bool active) { printSizing_ = active; }
  void SetPrintHideTimer(bool on) { on ? StartTimer(LifecycleTimer::PrintHide) : StopTimer(LifecycleTimer::PrintHide); }
  void SetWindowSizeTimer(bool on) { on ? StartTimer(LifecycleTimer::WindowSize) : StopTimer(LifecycleTimer::WindowSize); }

  HostForm* Host() const { return host_.get(); }
  bool IsMdiParentHost() const { return mdiParent_; }
  bool Initialised() const { return initialised_; }
  bool HostLoaded() const { return hostLoaded_; }
  bool HoldsLock() const { return lockedWindow_ != 0; }
  ResizeState& Resize() { return resize_; }
  const Placement& NormalPlacement() const { return normal_; }
  void SetNormalPlacement(const Placement& p) { normal_ = p; }
  // User mode and the control enabled: what every step that acts on the form asks.
  bool Active() const { return userMode_ && settings_.enabled; }
  bool UserMode() const { return userMode_; }

 private:
  HostStatus Window(intptr_t& out);
  void ReactToResize();
  HostStatus FirstTimeSetup();
  HostStatus SetupSteps();
  HostStatus OrdinaryReaction();
  HostStatus ApplyLimits(const char* member, SizeLimits limits, int32_t windowState);
  HostStatus Clamp(const char* member, float size);
  void BroadcastAllowUpdates(bool flag);
  void SeedNormalPlacement();
  void RecordNormalPlacement();
  void StartTimer(LifecycleTimer timer);
  void StopTimer(LifecycleTimer timer);
  void StopAllTimers();
  void LetGoOfWindow();  // the track-size hook and the update lock
  bool TimerRunning(LifecycleTimer timer) const { return timers_[static_cast<int>(timer)]; }
  void ShowTrapped(const HostStatus& status);

  const AmbreloSettings& settings_;
  LifecyclePlatform& platform_;
  ScalingWork& work_;
  std::shared_ptr<HostForm> host_;
  std::shared_ptr<HostControls> controls_;
  bool userMode_ = true;
  bool mdiParent_ = false;
  bool hostLoaded_ = false;
  bool initialised_ = false;
  bool busy_ = false;
  bool loadingPlacement_ = false;
  bool printSizing_ = false;
  bool resetPending_ = false;  // Reset asked for while the form had no inner size
  intptr_t lockedWindow_ = 0;
  BagValue enabledBeforeClamp_ = true;
  std::array<bool, kLifecycleTimerCount> timers_{};
  ResizeState resize_;
  Placement normal_;
};

}  // namespace amb
