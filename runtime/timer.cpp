#include "controls.h"
#include "form.h"

namespace rt {

void Timer::Create(HWND parent) {
  owner_ = parent;
  interval_ = design_.interval;
  Restart();
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds < 0 ? 0 : milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Restart();
}

// SetTimer again with the same id starts the interval afresh, which is what enabling does.
void Timer::Restart() {
  if (!owner_) return;
  KillTimer(owner_, id_);
  if (enabled_ && interval_ > 0) SetTimer(owner_, id_, static_cast<UINT>(interval_), nullptr);
}

void Timer::Detach() {
  if (owner_) KillTimer(owner_, id_);
  owner_ = nullptr;
  Control::Detach();
}

}  // namespace rt
