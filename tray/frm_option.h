#pragma once
// frmOption: the countdown's headline text, font size and time-out (the settings Message, Font
// and TimeOut), written together on Save, or on Close when the user agrees.
#include "form.h"
#include "option_rules.h"

namespace tray {

class FrmOption : public rt::Form {
 public:
  FrmOption() : rt::Form("frmOption") {}

  // Writes the three boxes as typed, says so and unloads; false (the dialog shown again, the
  // edits kept) when a write fails.
  bool CommandSave();

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Control_Click(rt::Control& sender) override;

 private:
  OptionTexts BoxTexts();
  bool Changed() { return OptionsChanged(loaded_, BoxTexts()); }
  void Command2_Click();
  void Command1_Click();

  OptionTexts loaded_;  // the texts shown at the end of loading
};

FrmOption& frmOption();

}  // namespace tray
