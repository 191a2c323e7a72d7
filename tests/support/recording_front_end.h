#pragma once
// A front end for core tests: it records what the core asks of the windows above it, and its
// progress window is a real hidden window, so hooking and hot keys work on it as in the program.
#include <functional>
#include <string>
#include <vector>

#include "form.h"
#include "front_end.h"
#include "shared_state.h"

namespace test {

class RecordingFrontEnd final : public DozIzevodoz::FrontEnd {
 public:
  void LoadTrayForm() override { calls.push_back("LoadTrayForm"); }
  HWND TrayFormWindow() override {
    calls.push_back("TrayFormWindow");
    return trayWindow;
  }
  void ShowOptionsDialog() override { calls.push_back("ShowOptionsDialog"); }
  bool SetCountdownCaption(bool commandLine, const std::string& caption) override {
    calls.push_back(std::string(commandLine ? "Form2" : "Form1") + ".Label2=" + caption);
    return !countdownFails;
  }
  void SetCommandLineCountdownSeconds(const std::string& seconds) override {
    calls.push_back("Form2.Label3=" + seconds);
  }

  void ListTasksToRun(const DozIzevodoz::TaskRun& run) override {
    std::string names;
    for (const auto& t : run.tasks) names += (names.empty() ? "" : ",") + t.Desc;
    calls.push_back("frmMain.List1=" + names);
  }
  HWND LoadProgressWindow() override {
    calls.push_back("frmProg.Load");
    progress.Load();
    return progress.hWnd();
  }
  void RunTasksInProgressWindow(const DozIzevodoz::TaskRun& run) override {
    calls.push_back("frmProg.RunTasks ids=" + run.idList + " names=" + run.nameList + " action=" + run.actionName);
    for (size_t i = 0; i < run.tasks.size() && !DozIzevodoz::CancelTasks; ++i) {
      started.push_back(run.tasks[i].Desc);
      if (duringTask) duringTask(i);
    }
  }
  void UnloadProgressWindow() override {
    calls.push_back("frmProg.Unload");
    progress.Unload();
  }
  void CancelTaskRun() override {
    calls.push_back("CancelTaskRun");
    progress.Unload();
  }
  void UnloadTrayCountdown() override { calls.push_back("Form1.Unload"); }
  void ShowTaskChooser() override { calls.push_back("frmMain.Show"); }
  void RefillTaskChooser(const std::vector<std::string>& descriptions) override {
    std::string names;
    for (const auto& d : descriptions) names += (names.empty() ? "" : ",") + d;
    calls.push_back("frmMain.lstGroups=" + names);
  }
  HWND TaskChooserWindow() override { return chooser.hWnd(); }
  int32_t TaskChooserCurrentId() override { return chooserCurrentId; }
  void EnableTaskChooser(bool enabled) override {
    calls.push_back(enabled ? "frmMain.Enabled=True" : "frmMain.Enabled=False");
    EnableWindow(chooser.hWnd(), enabled);
  }
  void TryTaskRun(const DozIzevodoz::TaskRun& run) override {
    calls.push_back("frmProg.TryRun ids=" + run.idList + " names=" + run.nameList + " action=" + run.actionName);
    for (const auto& t : run.tasks) started.push_back(t.Desc);
  }
  void ShowTrayIcon() override { calls.push_back("ShowTrayIcon"); }
  void PauseTrayCountdown() override { calls.push_back("Form1.Pause"); }
  void CancelCountdown(bool commandLine) override { calls.push_back(commandLine ? "Form2.Cancel" : "Form1.Cancel"); }
  bool CancelNoticeShown() override { return cancelNoticeShown; }

  std::vector<std::string> calls;
  std::vector<std::string> started;              // the tasks the progress window started
  std::function<void(size_t task)> duringTask;   // runs while a task "runs"
  HWND trayWindow = reinterpret_cast<HWND>(0x1234);
  rt::Form progress{"frmProg"};
  rt::Form chooser{"frmMain"};  // a real window to own and be disabled by the group editor
  int32_t chooserCurrentId = -1;
  bool cancelNoticeShown = false;  // the notice of a cancelled run on screen, as CancelNoticeShown answers
  bool countdownFails = false;     // the countdown window cannot be loaded or does not count
};

}  // namespace test
