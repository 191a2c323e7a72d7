#pragma once
// What the power-action core asks of the windows built above it (the tray front end). The program
// installs the front end before its start procedure runs; tests install a recording one.
#include <windows.h>

#include <string>
#include <vector>

#include "shutdown_plan.h"

namespace DozIzevodoz {

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Loads the main tray form; returns once its start-up update check has ended.
  virtual void LoadTrayForm() = 0;
  // The main tray form's window, loading the form when it is not loaded.
  virtual HWND TrayFormWindow() = 0;
  // frmOption, modeless.
  virtual void ShowOptionsDialog() = 0;
  // The action caption (Label2) of the tray countdown Form1 or the command-line countdown Form2;
  // the first touch loads the window, which starts its countdown. True when the window counts down.
  virtual bool SetCountdownCaption(bool commandLineWindow, const std::string& caption) = 0;
  // Form2.Label3: the seconds the command-line countdown starts from.
  virtual void SetCommandLineCountdownSeconds(const std::string& seconds) = 0;

  // The shutdown engine's task run, through the task-run chooser frmMain and the progress window
  // frmProg. frmMain.Hide, then frmMain.List1 := the descriptions of the run (loads the chooser).
  virtual void ListTasksToRun(const TaskRun& run) = 0;
  // frmProg loaded and hidden; its window.
  virtual HWND LoadProgressWindow() = 0;
  // frmProg.LoadTaskIDs and LoadTasks with the run, Show, then RunTasks: returns when every task
  // has run or the run was cancelled.
  virtual void RunTasksInProgressWindow(const TaskRun& run) = 0;
  virtual void UnloadProgressWindow() = 0;
  // The cancel of a task run (hot-key id 11, after CancelTasks is set): the progress window goes.
  virtual void CancelTaskRun() = 0;
  // Form1, the tray countdown, unloaded when it is loaded.
  virtual void UnloadTrayCountdown() = 0;

  // The task editor has closed: the task-run chooser frmMain shows again.
  virtual void ShowTaskChooser() = 0;
  // The task editor has saved the task file: frmMain.lstGroups holds these descriptions (no item
  // data), and optGroup is enabled when there is any.
  virtual void RefillTaskChooser(const std::vector<std::string>& descriptions) = 0;
  // The group editor over the chooser frmMain: the chooser's window (loading it), the item data of
  // its current list entry (-1 when none), and its Enabled.
  virtual HWND TaskChooserWindow() = 0;
  virtual int32_t TaskChooserCurrentId() = 0;
  virtual void EnableTaskChooser(bool enabled) = 0;
  // The group editor's trial of a group: frmProg loaded, LoadTaskIDs, Show, RunTasks, the pending
  // messages handled once, unloaded.
  virtual void TryTaskRun(const TaskRun& run) = 0;
  // True while the notice of a cancelled task run is on screen; it ends the cancel itself.
  virtual bool CancelNoticeShown() { return false; }
  // The hot keys' errands. The tray icon back (loads the main tray form, which adds its icon).
  virtual void ShowTrayIcon() = 0;
  // Form1 hidden and its count stopped, when it is loaded (while the exit question is open).
  virtual void PauseTrayCountdown() = 0;
  // The count of Form2 (command line) or Form1 stopped and the window unloaded, when it is loaded.
  virtual void CancelCountdown(bool commandLineWindow) = 0;
};

FrontEnd& frontEnd();
void SetFrontEnd(FrontEnd* frontEnd);

}  // namespace DozIzevodoz
