#include "shutdown_engine.h"

#include <string>
#include <vector>

#include "action_requests.h"
#include "action_support.h"
#include "app.h"
#include "error_report.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "front_end.h"
#include "message_loop.h"
#include "msg_box.h"
#include "os/power.h"
#include "platform_utils.h"
#include "power_capabilities.h"
#include "program_settings.h"
#include "scoped_win.h"
#include "shared_state.h"
#include "shutdown_plan.h"
#include "task_store.h"
#include "text_utils.h"
#include "vb_hot_key.h"

namespace DozIzevodoz {
namespace {

constexpr int kCancelKeyId = 11;
constexpr DWORD kExitWindowsReason = 0xFFFFFFFF;

void ShowPowerMessage(const std::string& text) { rt::MsgBox(text, MB_OK, rt::App().FileDescription); }

void RegisterCancelKey(HWND progressWindow) {
  CancelKeyRegistered = RegisterHotKey(progressWindow, kCancelKeyId, kHotKeyModifiers, VK_SPACE) != 0;
  if (!CancelKeyRegistered) rt::MsgBox(HotKeyFailureText("CTRL+ALT+SPACE"), MB_OK | MB_ICONERROR, rt::App().Title);
}

void RunTasksFirst(const TaskRun& run) {
  // Nothing to run: no progress window, so CTRL+ALT+SPACE is not taken from other programs.
  if (run.tasks.empty()) return;
  rt::SkipOnError([&] { frontEnd().ListTasksToRun(run); });
  HWND progressWindow = nullptr;
  rt::SkipOnError([&] { progressWindow = frontEnd().LoadProgressWindow(); });
  if (progressWindow) {
    rt::SkipOnError([&] { vbHotKey::HookWindow(progressWindow); });
    rt::SkipOnError([&] { RegisterCancelKey(progressWindow); });
  }
  rt::SkipOnError([&] { frontEnd().RunTasksInProgressWindow(run); });
  rt::SkipOnError([] { rt::DoEvents(); });
  rt::SkipOnError([] { frontEnd().UnloadProgressWindow(); });
}

void EndSession(const PendingAction& action) {
  uint32_t flags = ExitWindowsFlags(action.code, action.force);
  if (action.force && IsWin9x) StopProgramManager();
  DWORD error = 0;
  if (!os::power().EndSession(flags, kExitWindowsReason, error)) ShowPowerMessage(SystemErrorText(error));
}

// True when SetSystemPowerState was called (and so has returned after the machine resumed).
bool EnterPowerState(const PendingAction& action) {
  const bool suspend = (action.code & 8) != 0;
  if (!(suspend ? SuspendSupported : HibernateSupported)) {
    ShowPowerMessage(suspend ? NotSupportedText(Capability::Suspend) : "Sorry, This System Does Not Support Hibernate");
    return false;
  }
  DWORD error = 0;
  if (!os::power().SetSystemPowerState(suspend, action.force, error)) ShowPowerMessage(SystemErrorText(error));
  return true;
}

void TidyUpAfterResume() {
  if (CommandLineMode) return;
  rt::SkipOnError([] { frontEnd().UnloadTrayCountdown(); });
  // Reloading registers the hot keys anew; a window that was not loaded stays so (hot keys off).
  FrmVbHotKey& hotKeys = frmvbHotKey();
  if (hotKeys.IsLoaded() && hotKeys.Unload()) rt::SkipOnError([&] { hotKeys.Load(); });
}

void CarryOut(const PendingAction& action) {
  rt::SkipOnError([] {
    if (APIExists("advapi32", "AdjustTokenPrivileges")) AdjustToken();
  });
  if ((static_cast<uint32_t>(action.code) & kPowerStateMask) == 0) {
    rt::SkipOnError([&] { EndSession(action); });
    return;
  }
  bool resumed = false;
  rt::SkipOnError([&] { resumed = EnterPowerState(action); });
  if (resumed) TidyUpAfterResume();
}

// A cancel whose notice is gone is over; a flag it left behind must not swallow a later request.
// True while a cancel (or the program's end) is in force.
bool CancelInForce() {
  rt::SkipOnError([] {
    if (CancelTasks && !frontEnd().CancelNoticeShown()) CancelTasks = false;
  });
  return CancelTasks || rt::Quitting();
}

void SayWithdrawnForUnreadableTasks(const PendingAction& action, unsigned long error) {
  rt::MsgBox("The task list could not be read from\r\n" + TaskFilePath() + "\r\n" + SystemErrorText(error) + "\r\nThe " +
                 ActionCaption(action.code, action.name) + " is cancelled: it is not carried out without its tasks.",
             MB_OK | MB_ICONEXCLAMATION, rt::App().FileDescription);
}

// The tasks are read now, not at the request: the countdown's seconds give a file another program
// holds for a moment time to come free, and the store's read waits a little for it as well.
RunEnd RunTasksOf(const PendingAction& action) {
  ActionCode = action.code;
  ActionName = action.name;
  CancelInForce();
  std::string runTasks;
  rt::SkipOnError([&] { runTasks = ReadSetting("RunTasks"); });
  if (runTasks == "Yes") {
    LoadResult read = LoadResult::Unreadable;
    unsigned long error = 0;
    rt::SkipOnError([&] { read = LoadTasksQuietly(&error); });
    if (read == LoadResult::Unreadable) {
      rt::SkipOnError([&] { SayWithdrawnForUnreadableTasks(action, error); });
      return RunEnd::TasksUnreadable;
    }
  }
  // The run works on a copy: it pumps messages, and an editor may replace the shared array meanwhile.
  const std::vector<TaskRecord> tasks = TasksInUse();
  if (runTasks == "Yes" && AnyTiedTo(tasks, action.name)) RunTasksFirst(PlanTaskRun(tasks, action));
  // An exit during the task run ends the program, not the session.
  return (CancelTasks || rt::Quitting()) ? RunEnd::Cancelled : RunEnd::Completed;
}

NextStep ShowCountdown(const NextStep& step) {
  // A count of its own starts from a fresh window, also where the window of a finished count stays.
  if (step.freshCount) rt::SkipOnError([] { frontEnd().UnloadTrayCountdown(); });
  ActionCode = step.action.code;
  ActionName = step.action.name;
  bool counting = false;
  rt::SkipOnError([&] { counting = CheckForm1Label2(step.tasksDone); });
  if (counting) return PendingPowerActions.CountdownShown();
  rt::SkipOnError([] { frontEnd().UnloadTrayCountdown(); });
  return PendingPowerActions.ArmFailed();
}

void Carry(NextStep step) {
  for (;;) {
    switch (step.kind) {
      case NextStep::Kind::Nothing:
        return;
      case NextStep::Kind::ShowCountdown:
        step = ShowCountdown(step);
        break;
      case NextStep::Kind::RunTasks:
        step = PendingPowerActions.RunEnded(RunTasksOf(step.action));
        break;
      case NextStep::Kind::MakeCall:
        if (CancelInForce()) return;
        ActionCode = step.action.code;
        ActionName = step.action.name;
        // The Force item stays live until the call: its latest state applies.
        CarryOut({step.action.code, step.action.name, ForceShutdown});
        return;
    }
  }
}

}  // namespace

void StartShutdownProcess() {
  Carry(PendingPowerActions.Started({ActionCode, ActionName}));
  // A command-line process has nothing left to do, and a window the engine loaded (the chooser)
  // must not keep it alive. After a cancel the notice runs to its end and then unloads them.
  bool noticeShown = false;
  rt::SkipOnError([&] { noticeShown = frontEnd().CancelNoticeShown(); });
  if (CommandLineMode && !noticeShown) rt::SkipOnError([] { rt::Forms::UnloadAll(); });
}

void TrayActionRequested(const std::string& name, int32_t code) { Carry(PendingPowerActions.Requested({code, name})); }

void TrayCountdownRanOut() { Carry(PendingPowerActions.RanOut()); }

void TrayCountdownCancelled() { Carry(PendingPowerActions.CancelledByUser()); }

void ExitQuestionAnswered(bool exit) {
  const NextStep next = PendingPowerActions.ExitAnswered(exit);
  if (!exit) rt::SkipOnError([] { frontEnd().UnloadTrayCountdown(); });
  Carry(next);
}

void StopProgramManager() {
  rt::Trap("DozIzevodoz", "StopProgramManager", [] {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
      char name[256] = {};
      int length = GetClassNameA(window, name, sizeof name);
      if (length != 0 && lstrcmpiA(std::string(name, length).c_str(), "progman") == 0) {
        KillProcess(window);
        return;
      }
    }
  });
}

void KillProcess(HWND& window) {
  rt::Trap("DozIzevodoz", "KillProcess", [&] {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    rt::UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, processId));
    if (process) TerminateProcess(process.get(), 0);
  });
}

}  // namespace DozIzevodoz
