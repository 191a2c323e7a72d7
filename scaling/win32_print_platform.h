#pragma once
// Print sizing's system side: FixWindow's track-size hook, the screen, frmDialog and the thread's
// cancel flag.
#include <oaidl.h>

#include "print_sizing.h"

namespace amb {

class Win32PrintPlatform final : public PrintPlatform {
 public:
  // control: what the printing box calls back when Cancel is pressed (not held here).
  explicit Win32PrintPlatform(IDispatch* control) : control_(control) {}
  ~Win32PrintPlatform() override;
  Win32PrintPlatform(const Win32PrintPlatform&) = delete;
  Win32PrintPlatform& operator=(const Win32PrintPlatform&) = delete;

  void HookWindow(intptr_t window, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                  int32_t maxHeight) override;
  void UnhookWindow(intptr_t window) override;
  int32_t LargestWidth() override;
  int32_t LargestHeight() override;
  float ParkedLeft() override;
  int32_t PixelsX(float twips) override;
  void ShowDialog(bool allowCancel) override;
  void CloseDialog() override;
  bool Cancelled() override;
  void SetCancelled(bool cancelled) override;
  // The box goes when the control that shows it goes: it must not call back a control that is gone.
  void CloseDialogOfThisControl();

 private:
  IDispatch* control_;
};

}  // namespace amb
