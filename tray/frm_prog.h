#pragma once
// frmProg, the task progress window; for now it holds the run the shutdown engine hands it and
// the cancel key the engine registers on its window.
#include "form.h"
#include "shutdown_plan.h"

namespace tray {

class FrmProg : public rt::Form {
 public:
  FrmProg() : rt::Form("frmProg") {}

  // LoadTaskIDs and LoadTasks with the engine's lists.
  void LoadRun(const DozIzevodoz::TaskRun& run);
  // Returns when every task has run or the run was cancelled.
  void RunTasks();
  const DozIzevodoz::TaskRun& Run() const { return run_; }

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;

 private:
  DozIzevodoz::TaskRun run_;
};

FrmProg& frmProg();

}  // namespace tray
