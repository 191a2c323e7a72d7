#pragma once
// The work of the resize engine, placement, print sizing, gradient and effects that the host-form
// lifecycle calls. Each step acts on the bound host form with the control's current settings.
#include <cstdint>

#include "host_form.h"

namespace amb {

class ScalingWork {
 public:
  virtual ~ScalingWork() = default;
  virtual void ReplaceFonts() = 0;
  virtual HostStatus ResizeControls() = 0;
  virtual HostStatus LoadWindowSettings() = 0;
  virtual HostStatus SaveWindowSettings() = 0;
  virtual void DeleteWindowSettings() = 0;
  virtual HostStatus SizeFormToScreen() = 0;
  virtual HostStatus CenterFormX() = 0;
  virtual HostStatus CenterFormY() = 0;
  virtual HostStatus PaintGradient() = 0;
  virtual HostStatus OpenEffect() = 0;
  virtual HostStatus CloseEffect() = 0;
  virtual void SetTopMost() = 0;
  virtual void UnhookWindow(intptr_t window) = 0;
  // The bound form's inner size in twips, measured as the resize engine measures it.
  virtual HostStatus FormInnerSize(float& width, float& height) = 0;
  // The tick of tmrPrintHide.
  virtual void KeepPrintFormParked() = 0;
};

// The steps a part of the control does not take leave the form as it is.
class PendingScalingWork : public ScalingWork {
 public:
  void ReplaceFonts() override {}
  HostStatus ResizeControls() override { return {}; }
  HostStatus LoadWindowSettings() override { return {}; }
  HostStatus SaveWindowSettings() override { return {}; }
  void DeleteWindowSettings() override {}
  HostStatus SizeFormToScreen() override { return {}; }
  HostStatus CenterFormX() override { return {}; }
  HostStatus CenterFormY() override { return {}; }
  HostStatus PaintGradient() override { return {}; }
  HostStatus OpenEffect() override { return {}; }
  HostStatus CloseEffect() override { return {}; }
  void SetTopMost() override {}
  void UnhookWindow(intptr_t) override {}
  HostStatus FormInnerSize(float&, float&) override { return {}; }
  void KeepPrintFormParked() override {}
};

}  // namespace amb
