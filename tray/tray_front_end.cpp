#include "tray_front_end.h"

#include "frm_base.h"
#include "frm_cancel_message.h"
#include "form1.h"
#include "form2.h"
#include "frm_main.h"
#include "frm_option.h"
#include "frm_prog.h"
#include "message_loop.h"

namespace tray {

void TrayFrontEnd::LoadTrayForm() { frmBase().Load(); }

HWND TrayFrontEnd::TrayFormWindow() { return frmBase().hWnd(); }

void TrayFrontEnd::ShowOptionsDialog() { frmOption().Show(); }

bool TrayFrontEnd::SetCountdownCaption(bool commandLineWindow, const std::string& caption) {
  CountdownForm& countdown = commandLineWindow ? Form2() : Form1();
  countdown.SetActionCaption(caption);
  return countdown.Counting();
}

void TrayFrontEnd::SetCommandLineCountdownSeconds(const std::string& seconds) { Form2().SetSeconds(seconds); }

void TrayFrontEnd::ListTasksToRun(const DozIzevodoz::TaskRun& run) {
  frmMain().Hide();
  frmMain().List1Clear();
  for (const DozIzevodoz::TaskRecord& task : run.tasks) frmMain().List1AddItem(task.Desc);
}

HWND TrayFrontEnd::LoadProgressWindow() {
  frmProg().Load();
  frmProg().Hide();
  return frmProg().IsLoaded() ? frmProg().hWnd() : nullptr;
}

void TrayFrontEnd::RunTasksInProgressWindow(const DozIzevodoz::TaskRun& run) {
  frmProg().LoadTaskIDs(run);
  frmProg().ReloadRows(run);
  frmProg().Show();
  frmProg().RunAll();
}

void TrayFrontEnd::UnloadProgressWindow() { frmProg().Unload(); }

void TrayFrontEnd::CancelTaskRun() {
  // A cancel key pressed after the run has ended must not load the window again.
  if (!frmProg().IsLoaded()) return;
  frmProg().CancelAll();
}

bool TrayFrontEnd::CancelNoticeShown() { return frmCancelMessage().IsLoaded(); }

void TrayFrontEnd::UnloadTrayCountdown() { Form1().Unload(); }

void TrayFrontEnd::ShowTaskChooser() { frmMain().Show(); }

void TrayFrontEnd::RefillTaskChooser(const std::vector<std::string>& descriptions) {
  frmMain().ShowEditedTasks(descriptions);
}

HWND TrayFrontEnd::TaskChooserWindow() { return frmMain().hWnd(); }

int32_t TrayFrontEnd::TaskChooserCurrentId() {
  rt::ListBox& list = frmMain().Ctl<rt::ListBox>("lstGroups");
  const int current = list.ListIndex();
  return current < 0 ? -1 : static_cast<int32_t>(list.ItemData(current));
}

void TrayFrontEnd::EnableTaskChooser(bool enabled) {
  if (frmMain().IsLoaded()) EnableWindow(frmMain().hWnd(), enabled);
}

void TrayFrontEnd::TryTaskRun(const DozIzevodoz::TaskRun& run) {
  // The shutdown engine's own run owns the window while it lasts.
  if (frmProg().IsLoaded()) return;
  frmProg().Load();
  frmProg().LoadTaskIDs(run);
  frmProg().Show();
  frmProg().RunAll();
  rt::DoEvents();
  frmProg().Unload();
}

void TrayFrontEnd::ShowTrayIcon() { frmBase().ShowIcon(); }

void TrayFrontEnd::PauseTrayCountdown() {
  if (Form1().IsLoaded()) Form1().Pause();
}

void TrayFrontEnd::CancelCountdown(bool commandLineWindow) { (commandLineWindow ? Form2() : Form1()).Cancel(); }

}  // namespace tray
