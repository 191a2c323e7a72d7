#pragma once
// frmSetHotKeys: one check box per CTRL+ALT hot key. A box writes or deletes its value under the
// hot-key key as soon as it changes (by mouse or keyboard); closing the dialog registers the
// hot keys anew.
#include "form.h"

namespace tray {

class FrmSetHotKeys : public rt::Form {
 public:
  FrmSetHotKeys() : rt::Form("frmSetHotKeys") {}

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_MouseMove(int button, int shift, double x, double y) override;
  void Control_Click(rt::Control& sender) override;
  void Control_MouseMove(rt::Control& sender, int button, int shift, double x, double y) override;

 private:
  void ShowHint(const char* text);
  void Box_Click(rt::CheckBox& box, size_t row);
  bool AnyBoxTicked();

  bool loading_ = false;  // the boxes are being set from the registry
};

FrmSetHotKeys& frmSetHotKeys();

}  // namespace tray
