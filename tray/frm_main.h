#pragma once
// frmMain, the task-run chooser; for now only its hidden list List1, which names the tasks the
// shutdown engine is about to run.
#include <string>

#include "form.h"

namespace tray {

class FrmMain : public rt::Form {
 public:
  FrmMain() : rt::Form("frmMain") {}

  // List1; each use loads the form.
  void List1Clear();
  void List1AddItem(const std::string& text);
  int List1ListCount();
  std::string List1Item(int index);

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;

 private:
  HWND List1();
  HWND list1_ = nullptr;
};

FrmMain& frmMain();

}  // namespace tray
