#pragma once
// frmProg, the task progress window: one row per task of the run, each task started in turn, and
// "Cancel All Tasks" (CTRL+ALT+SPACE does the same).
//
// Names: LoadTaskIDs and ReloadRows stand for the window's LoadTaskIDs and LoadTasks, RunAll for
// its RunTasks (the program also has a LoadTasks of the task file and a RunTasks setting).
#include <string>

#include "form.h"
#include "shutdown_plan.h"

namespace tray {

class FrmProg : public rt::Form {
 public:
  FrmProg() : rt::Form("frmProg") {}

  // Rows "Waiting ..." for the run's tasks; always false.
  bool LoadTaskIDs(const DozIzevodoz::TaskRun& run);
  // Checks the run's lists against its tasks: an entry of the ID list that is a task's ID, or one of
  // the description list that is a task's description, is a match ("Invalid Task List:" when there
  // is none, false); then rows "Waiting....."; an ID list with an entry that is no task number is
  // reported after them ("Invalid Task List in Task Group:").
  bool ReloadRows(const DozIzevodoz::TaskRun& run);
  // Starts each task of the run once, in order; returns when all have run or the run was cancelled.
  void RunAll();
  // "Cancel All Tasks": the run and the action are cancelled, the notice takes over.
  void CancelAll();

  const DozIzevodoz::TaskRun& Run() const { return run_; }

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Control_Click(rt::Control& sender) override;

 private:
  void FillRows(const char* status);
  void SetStatus(int row, const char* status);

  DozIzevodoz::TaskRun run_;
};

FrmProg& frmProg();

}  // namespace tray
