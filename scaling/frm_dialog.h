#pragma once
// frmDialog: the "Printing..." box print sizing shows, with a Cancel button that ends the print
// sizing of the control that showed it. One per thread, shared by the controls of that thread,
// as is the flag that Cancel was pressed.
#include <oaidl.h>

#include "form.h"
#include "scoped_win.h"

namespace amb {

class FrmDialog : public rt::Form {
 public:
  FrmDialog() : rt::Form("frmDialog") {}
  // The control that showed the box, called back by name when Cancel is pressed.
  rt::ComPtr<IDispatch> TheControl;

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, rt::UnloadMode mode) override;
  void Control_Click(rt::Control& sender) override;
};

// The thread's own box, made on first use and kept for the thread's life.
FrmDialog& frmDialog();
// The thread's bPrintCancelled.
bool& PrintCancelledFlag();

}  // namespace amb
