#pragma once
// frmCancelMessage, the notice shown after the user cancelled a task run. It paces itself: about
// a second of "Cancelling ...", about two of the closing text, then it goes and the cancel flags
// are cleared. Its own timer does the pacing, so closing any other window cannot leave
// CancelTasks set for good.
#include "form.h"

namespace tray {

class FrmCancelMessage : public rt::Form {
 public:
  FrmCancelMessage() : rt::Form("frmCancelMessage") {}

  // Shows the notice and starts its wait.
  void StartCancelWait();

 protected:
  rt::FormSettings Settings() const override;
  void Timer_Timer(rt::Timer& sender) override;
  void Form_Unload(int& cancel) override;

 private:
  // The closing text: "All Task's Cancelled And" / "Shutdown Event Cancelled".
  void ShowClosingText();
};

FrmCancelMessage& frmCancelMessage();

}  // namespace tray
