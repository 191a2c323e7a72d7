#pragma once
// The control's steps behind its host-form lifecycle: the resize engine, the placement, the
// gradient and the open and close effects, each on the bound host form with the control's current settings.
#include <functional>

#include "ambrelo_settings.h"
#include "form_effects.h"
#include "form_lifecycle.h"
#include "form_placement.h"
#include "print_sizing.h"
#include "resize_engine.h"
#include "scaling_work.h"

namespace amb {

class ControlScalingWork final : public PendingScalingWork {
 public:
  // The lifecycle and the engine may still be under construction: they are only kept here.
  ControlScalingWork(AmbreloSettings& settings, FormLifecycle& lifecycle, ResizeEngine& engine,
                     PlacementPlatform& platform, EffectPlatform& effects, std::function<void()> windowNameChanged)
      : settings_(settings),
        lifecycle_(lifecycle),
        engine_(engine),
        placement_(settings, platform),
        effects_(effects),
        windowNameChanged_(std::move(windowNameChanged)) {}

  void ReplaceFonts() override;
  HostStatus ResizeControls() override { return engine_.ResizeControls(); }
  HostStatus LoadWindowSettings() override;
  HostStatus SaveWindowSettings() override;
  void DeleteWindowSettings() override { placement_.DeleteSaved(); }
  HostStatus SizeFormToScreen() override;
  HostStatus CenterFormX() override;
  HostStatus CenterFormY() override;
  HostStatus PaintGradient() override;
  HostStatus OpenEffect() override;
  HostStatus CloseEffect() override;
  void SetTopMost() override;
  void ClearTopMost();
  HostStatus FormInnerSize(float& width, float& height) override { return engine_.FormInnerSize(width, height); }
  void UnhookWindow(intptr_t window) override {
    if (print_) print_->UnhookWindow(window);
  }
  void KeepPrintFormParked() override {
    if (print_) print_->KeepParked();
  }
  // Print sizing is built after this work, which it uses to rescale the controls.
  void SetPrintSizing(PrintSizing* print) { print_ = print; }

 private:
  HostForm* ActiveHost() const { return lifecycle_.Active() ? lifecycle_.Host() : nullptr; }
  void NameChanged(bool changed) {
    if (changed && windowNameChanged_) windowNameChanged_();
  }

  AmbreloSettings& settings_;
  FormLifecycle& lifecycle_;
  ResizeEngine& engine_;
  FormPlacement placement_;
  EffectPlatform& effects_;
  std::function<void()> windowNameChanged_;
  PrintSizing* print_ = nullptr;
};

}  // namespace amb
