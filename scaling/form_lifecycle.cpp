#include "form_lifecycle.h"

#include <exception>

#include "scope_exit.h"
#include "skip_on_error.h"

namespace amb {
namespace {

constexpr int32_t kMinimised = 1;

unsigned IntervalOf(LifecycleTimer timer) {
  switch (timer) {
    case LifecycleTimer::DelayResize: return 100;
    case LifecycleTimer::DisableResize: return 500;
    case LifecycleTimer::PrintHide: return 10;
    case LifecycleTimer::WindowSize: return 100;
  }
  return 100;
}

}  // namespace

HostStatus FormLifecycle::Window(intptr_t& out) { return GetWindowHandle(*host_, out); }

// Only an MDI parent and an ordinary form are followed; any other holder leaves the control inert.
// The empty region waits for the open effect, which MDI parents do not get.
HostStatus FormLifecycle::HookHostForm(HostForm& firstControl, std::shared_ptr<HostForm> parent,
                                       std::shared_ptr<HostControls> controls) {
  if (!Active() || !parent) return {};
  if (firstControl.IsMdiParent()) {
    mdiParent_ = true;
  } else if (!firstControl.IsForm()) {
    return {};
  }
  host_ = std::move(parent);
  controls_ = std::move(controls);
  if (mdiParent_ || settings_.formOpen < 1) return {};
  intptr_t window = 0;
  HostStatus s = Window(window);
  if (s) platform_.SetEmptyRegion(window);
  return s;
}

// The update lock is not taken here: a form loaded but never shown would keep the system-wide
// lock. The first-time setup takes it.
void FormLifecycle::OnLoad() {
  hostLoaded_ = true;
  if (host_ && !mdiParent_) work_.SetTopMost();
}

void FormLifecycle::OnFormResize() {
  try {
    ReactToResize();
  } catch (const std::exception& e) {
    ShowTrapped(HostStatus::Failed(e.what()));
  } catch (...) {
    ShowTrapped(HostStatus::Failed("Unknown error"));
  }
}

void FormLifecycle::ReactToResize() {
  if (!host_ || busy_) return;
  if (resetPending_) {
    HostStatus s = Reset();
    if (!s) ShowTrapped(s);
    if (resetPending_) LockUpdates(false);
    return;
  }
  if (!initialised_) {
    HostStatus s = FirstTimeSetup();
    if (!s) {
      ShowTrapped(s);
      return;
    }
    if (!hostLoaded_) return;  // unloaded while its open effect ran
  }
  if (loadingPlacement_ || !Active()) return;
  HostStatus s = OrdinaryReaction();
  if (!s) ShowTrapped(s);
}

// Whatever step fails or raises, the form is left usable: unlocked, visible and initialised, and
// its later resizes are followed.
HostStatus FormLifecycle::FirstTimeSetup() {
  busy_ = true;
  HostStatus s;
  {
    rt::ScopeExit settled([this] {
      initialised_ = true;
      busy_ = false;
    });
    rt::ScopeExit showWhole([this] {
      rt::SkipOnError([this] {
        LockUpdates(false);
        intptr_t window = 0;
        if (Window(window)) platform_.RemoveRegion(window);
      });
    });
    s = SetupSteps();
    if (s) showWhole.Dismiss();
  }
  if (s && hostLoaded_) BroadcastAllowUpdates(true);
  return s;
}

HostStatus FormLifecycle::SetupSteps() {
  LockUpdates(true);
  work_.ReplaceFonts();
  HostStatus s;
  if (!mdiParent_) {
    int32_t state = 0;
    bool mdiChild = false;
    s = GetLong(*host_, "WindowState", state);
    if (s && state == 0) s = GetBoolean(*host_, "MDIChild", mdiChild);
    if (s && state == 0 && mdiChild) {
      if (settings_.mdiChildWidth > 0) s = host_->Let("Width", settings_.mdiChildWidth);
      if (s && settings_.mdiChildHeight > 0) s = host_->Let("Height", settings_.mdiChildHeight);
    }
    if (!s) return s;
  }
  if (!(s = work_.ResizeControls())) return s;
  if (settings_.saveWindowState) {
    s = LoadWindowSettings();
  } else {
    work_.DeleteWindowSettings();
    s = work_.SizeFormToScreen();
    if (s) s = work_.CenterFormX();
    if (s) s = work_.CenterFormY();
  }
  if (!s) return s;
  int32_t state = 0;
  if (!(s = GetLong(*host_, "WindowState", state))) return s;
  if (state != kMinimised && !(s = work_.ResizeControls())) return s;
  if (settings_.gradientFill && !(s = work_.PaintGradient())) return s;
  LockUpdates(false);
  if (!mdiParent_) {
    if (!(s = work_.OpenEffect())) return s;
    // The effect hands on the thread's messages; one of them may have unloaded the form.
    if (!hostLoaded_) return {};
    // The form shows whole after its open effect, whatever the effect left.
    intptr_t window = 0;
    if (Window(window)) platform_.RemoveRegion(window);
  }
  SeedNormalPlacement();
  StartTimer(LifecycleTimer::WindowSize);
  return {};
}

HostStatus FormLifecycle::OrdinaryReaction() {
  rt::ScopeExit unlock([this] { LockUpdates(false); });
  int32_t state = 0;
  HostStatus s = GetLong(*host_, "WindowState", state);
  if (!s || state == kMinimised) return s;
  if (!(s = ApplyLimits("Width", {settings_.minWidth, settings_.maxWidth}, state))) return s;
  if (!(s = ApplyLimits("Height", {settings_.minHeight, settings_.maxHeight}, state))) return s;
  if (settings_.scaleControls) {
    if (settings_.resizeOnMouseUp) {
      StopTimer(LifecycleTimer::DelayResize);
      StartTimer(LifecycleTimer::DelayResize);
    } else if (!(s = work_.ResizeControls())) {
      return s;
    }
  }
  if (settings_.gradientFill) s = work_.PaintGradient();
  return s;
}

HostStatus FormLifecycle::ApplyLimits(const char* member, SizeLimits limits, int32_t windowState) {
  float size = 0;
  HostStatus s = GetSingle(*host_, member, size);
  if (!s) return s;
  if (std::optional<float> to = MinimumClamp(limits, size, windowState)) {
    if (!(s = Clamp(member, *to))) return s;
    if (!(s = GetSingle(*host_, member, size))) return s;
  }
  // A print size may exceed the maximum: the form is to be printed at it, not shown.
  if (printSizing_) return s;
  if (std::optional<float> to = MaximumClamp(limits, size, windowState)) s = Clamp(member, *to);
  return s;
}

// The form is disabled for a moment so that the user's drag lets go; a clamp during that moment
// keeps the state the program had given the form before the first one.
HostStatus FormLifecycle::Clamp(const char* member, float size) {
  HostStatus s;
  if (!TimerRunning(LifecycleTimer::DisableResize)) {
    s = host_->Get("Enabled", enabledBeforeClamp_);
    if (!s) return s;
  }
  if (!(s = host_->Let("Enabled", false))) return s;
  StartTimer(LifecycleTimer::DisableResize);
  if (!(s = host_->Let(member, size))) return s;
  if (settings_.beepOnMinMax) platform_.Beep();
  return {};
}

void FormLifecycle::BroadcastAllowUpdates(bool flag) {
  if (!controls_) return;
  size_t n = controls_->Count();
  for (size_t i = 0; i < n; ++i) {
    std::vector<BagValue> args = {flag};
    controls_->CallOnItem(i, "AllowUpdates", args);  // items without the member are skipped
  }
}

// Seeded from the window, so a form that never was in the normal state still has a placement.
void FormLifecycle::SeedNormalPlacement() {
  intptr_t window = 0;
  if (!Window(window)) return;
  if (std::optional<Placement> p = platform_.NormalPlacement(window)) normal_ = *p;
}

void FormLifecycle::RecordNormalPlacement() {
  int32_t state = 0;
  if (!host_ || printSizing_ || !GetLong(*host_, "WindowState", state) || state != 0) return;
  Placement p;
  if (GetSingle(*host_, "Left", p.left) && GetSingle(*host_, "Top", p.top) && GetSingle(*host_, "Width", p.width) &&
      GetSingle(*host_, "Height", p.height) && p.width > 0 && p.height > 0)
    normal_ = p;
}

void FormLifecycle::OnTimer(LifecycleTimer timer) {
  switch (timer) {
    case LifecycleTimer::DelayResize: {
      StopTimer(timer);
      rt::ScopeExit unlock([this] { LockUpdates(false); });
      int32_t state = 0;
      if (host_ && Active() && settings_.scaleControls && GetLong(*host_, "WindowState", state) &&
          state != kMinimised)
        work_.ResizeControls();  // a failing delayed pass ends quietly
      break;
    }
    case LifecycleTimer::DisableResize:
      StopTimer(timer);
      if (host_) host_->Let("Enabled", enabledBeforeClamp_);
      break;
    case LifecycleTimer::PrintHide:
      if (host_ && Active()) work_.KeepPrintFormParked();
      break;
    case LifecycleTimer::WindowSize:
      if (!Active()) {
        StopTimer(timer);
      } else {
        RecordNormalPlacement();
      }
      break;
  }
}

// A minimised form has no inner size: as a reference it would make the next capture take the
// design size for controls that stand at another, and scale them twice. The reset then waits
// until the form has a size again.
HostStatus FormLifecycle::Reset() {
  if (!host_) return HostStatus::Failed("Object variable or With block variable not set");
  float width = 0, height = 0;
  HostStatus s = work_.FormInnerSize(width, height);
  if (!s) return s;
  resetPending_ = !(width > 0) || !(height > 0);
  if (resetPending_) return {};
  resize_.captured = false;
  resize_.referenceWidth = width;
  resize_.referenceHeight = height;
  OnFormResize();
  return {};
}

// Runs only when the host's own handler let the form go, so a kept form is neither concealed nor
// saved. A placement never recorded is not saved: it would open the form at no size next time.
void FormLifecycle::OnUnload(bool cancelled) {
  if (cancelled || !host_) return;
  StopAllTimers();
  if (settings_.saveWindowState && normal_.width > 0 && normal_.height > 0) work_.SaveWindowSettings();
  if (!mdiParent_) work_.CloseEffect();
  LetGoOfWindow();
  hostLoaded_ = false;
}

// The control closes or goes: nothing of the form is followed or kept any more.
void FormLifecycle::Terminate() {
  if (!host_) return;
  StopAllTimers();
  LetGoOfWindow();
  host_.reset();
  controls_.reset();
  hostLoaded_ = false;
}

void FormLifecycle::StopAllTimers() {
  for (int t = 0; t < kLifecycleTimerCount; ++t) StopTimer(static_cast<LifecycleTimer>(t));
}

void FormLifecycle::LetGoOfWindow() {
  intptr_t window = 0;
  if (Window(window)) work_.UnhookWindow(window);
  LockUpdates(false);
}

// The lock is system-wide: releasing it when another window holds it would unfreeze someone
// else's window, so only a lock this control took is released.
void FormLifecycle::LockUpdates(bool on) {
  if (!host_) return;
  if (!on) {
    if (lockedWindow_ != 0) platform_.UnlockWindowUpdate();
    lockedWindow_ = 0;
    return;
  }
  intptr_t window = 0;
  if (lockedWindow_ != 0 || !Window(window)) return;
  if (platform_.LockWindowUpdate(window)) lockedWindow_ = window;
}

// While the saved placement is applied, the resizes it causes are not reactions of the user.
HostStatus FormLifecycle::LoadWindowSettings() {
  loadingPlacement_ = true;
  HostStatus s = work_.LoadWindowSettings();
  loadingPlacement_ = false;
  return s;
}

void FormLifecycle::StartTimer(LifecycleTimer timer) {
  timers_[static_cast<int>(timer)] = true;
  platform_.StartTimer(timer, IntervalOf(timer));
}

void FormLifecycle::StopTimer(LifecycleTimer timer) {
  if (!timers_[static_cast<int>(timer)]) return;
  timers_[static_cast<int>(timer)] = false;
  platform_.StopTimer(timer);
}

void FormLifecycle::ShowTrapped(const HostStatus& status) {
  platform_.ShowError(std::string(kTrappedErrorPrefix) + status.description);
}

}  // namespace amb
