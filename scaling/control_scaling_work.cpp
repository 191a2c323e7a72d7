#include "control_scaling_work.h"

#include "gradient.h"

namespace amb {

// Only where the control acts (user mode and enabled), and only for a face of the user's choice:
// the exact text "<none>" keeps every font as designed.
void ControlScalingWork::ReplaceFonts() {
  if (!ActiveHost() || settings_.replaceFontsWith == kNoReplacementFont) return;
  engine_.ReplaceFonts(settings_.replaceFontsWith);
}

// A saved placement that cannot be applied leaves the form where the form runtime put it.
HostStatus ControlScalingWork::LoadWindowSettings() {
  HostForm* host = lifecycle_.Host();
  if (!host) return {};
  Placement normal;
  bool nameChanged = false;
  if (placement_.Load(*host, normal, nameChanged)) lifecycle_.SetNormalPlacement(normal);
  NameChanged(nameChanged);
  return {};
}

HostStatus ControlScalingWork::SaveWindowSettings() {
  HostForm* host = lifecycle_.Host();
  if (!host) return {};
  bool nameChanged = false;
  HostStatus s = placement_.Save(*host, lifecycle_.NormalPlacement(), nameChanged);
  NameChanged(nameChanged);
  return s;
}

HostStatus ControlScalingWork::SizeFormToScreen() {
  HostForm* host = ActiveHost();
  return host ? placement_.SizeToScreen(*host) : HostStatus{};
}

HostStatus ControlScalingWork::CenterFormX() {
  HostForm* host = ActiveHost();
  return host ? placement_.CenterX(*host) : HostStatus{};
}

HostStatus ControlScalingWork::CenterFormY() {
  HostForm* host = ActiveHost();
  return host ? placement_.CenterY(*host) : HostStatus{};
}

HostStatus ControlScalingWork::PaintGradient() {
  HostForm* host = lifecycle_.Host();
  if (!host) return {};
  return amb::PaintGradient(*host, settings_.gradientSource, settings_.gradientType,
                            {settings_.gradientColour, settings_.gradientColour2, settings_.gradientMidColour});
}

// Played effects end with the form raised again, as a window that changed its region may have
// lost its place.
HostStatus ControlScalingWork::OpenEffect() {
  HostForm* host = lifecycle_.Host();
  if (!host || lifecycle_.IsMdiParentHost()) return {};
  bool played = false;
  HostStatus s = PlayOpenEffect(*host, settings_.formOpen, settings_.formOpenTime, effects_, played);
  if (played) SetTopMost();
  return s;
}

HostStatus ControlScalingWork::CloseEffect() {
  HostForm* host = lifecycle_.Host();
  if (!host || lifecycle_.IsMdiParentHost()) return {};
  bool played = false;
  HostStatus s = PlayCloseEffect(*host, settings_.formClose, settings_.formCloseTime, effects_, played);
  if (played) SetTopMost();
  return s;
}

// An MDI parent is no plain form to raise above others.
void ControlScalingWork::SetTopMost() {
  HostForm* host = lifecycle_.Host();
  if (host && !lifecycle_.IsMdiParentHost()) placement_.SetTopMost(*host);
}

void ControlScalingWork::ClearTopMost() {
  HostForm* host = lifecycle_.Host();
  if (host && !lifecycle_.IsMdiParentHost()) placement_.ClearTopMost(*host);
}

}  // namespace amb
