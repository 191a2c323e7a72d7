#pragma once
// frmMain, the task-run chooser: whether tied tasks run before an action ("Run Tasks" or "Do Not
// Run", kept as the setting RunTasks), the list of tasks, the way into the task editor, and the
// hidden list List1 that names the tasks the shutdown engine is about to run.
//
// Despite their names lstGroups, fraGroups and optGroup are about tasks, not groups.
#include <string>
#include <vector>

#include "form.h"

namespace tray {

class FrmMain : public rt::Form {
 public:
  FrmMain() : rt::Form("frmMain") {}

  // Refills lstGroups and sets up the options; the task whose Desc equals desc (case ignored)
  // becomes current, and "Run Tasks" is selected, when it is there.
  void DispGroups(const std::string& desc);
  // After the task editor saved: lstGroups holds these descriptions (without item data),
  // lblTaskCnt counts them and optGroup is enabled exactly when there is any.
  void ShowEditedTasks(const std::vector<std::string>& descriptions);
  // Shows the chooser as a fresh load shows it, also when it was loaded hidden.
  void ShowAfresh();

  // List1; each use loads the form.
  void List1Clear();
  void List1AddItem(const std::string& text);
  int List1ListCount();
  std::string List1Item(int index);

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Control_Click(rt::Control& sender) override;

 private:
  rt::ListBox& lstGroups() { return Ctl<rt::ListBox>("lstGroups"); }
  void FillFromSettings();
  void SetListEnabled(bool enabled);
  void ShowTaskCount();  // lblTaskCnt: "N Tasks in List" for the items of lstGroups
  void optGroup_Click();
  void optNone_Click();
  void lstGroups_Click();
  void btnManage_Click();
  void Image1_Click();
};

FrmMain& frmMain();

// How "Add/Edit Tasks" shows the task editor frmTask. The editor installs it; while none is
// installed the chooser simply stays on screen.
using TaskEditorOpener = void (*)();
void SetTaskEditorOpener(TaskEditorOpener opener);

}  // namespace tray
