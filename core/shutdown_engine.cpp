#include "shutdown_engine.h"

#include <optional>
#include <string>
#include <utility>
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
#include "text_utils.h"
#include "vb_hot_key.h"

namespace DozIzevodoz {
namespace {

constexpr int kCancelKeyId = 11;
constexpr DWORD kExitWindowsReason = 0xFFFFFFFF;

bool g_engineRunning = false;
// An action whose countdown ran out and whose tasks ran while the user asked for another one.
std::optional<PendingAction> g_heldAction;
// The request (its RequestCount) whose countdown the user cancelled while the engine was running.
std::optional<uint32_t> g_withdrawnDuringRun;

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

}  // namespace

void StartShutdownProcess() {
  // A countdown that ends inside the task run's message pump calls the engine again; the run in
  // progress owns the progress window, and the request behind that countdown is armed afresh
  // when the run ends.
  if (g_engineRunning) return;
  g_engineRunning = true;
  rt::ScopeExit done([] { g_engineRunning = false; });
  // This countdown's own request replaces an action held back for it.
  g_heldAction.reset();
  g_withdrawnDuringRun.reset();

  // A cancel whose notice is gone is over; a flag it left behind must not swallow this request.
  rt::SkipOnError([] {
    if (CancelTasks && !frontEnd().CancelNoticeShown()) CancelTasks = false;
  });

  const PendingAction requested{ActionCode, ActionName, ForceShutdown};
  const uint32_t requestsBefore = RequestCount;
  std::string runTasks;
  rt::SkipOnError([&] { runTasks = ReadSetting("RunTasks"); });
  // The run works on a copy: it pumps messages, and an editor may replace the shared array meanwhile.
  const std::vector<TaskRecord> tasks = TasksInUse();
  if (runTasks == "Yes" && AnyTiedTo(tasks, requested.name)) RunTasksFirst(PlanTaskRun(tasks, requested));

  // An exit during the task run ends the program, not the session.
  if (!CancelTasks && !rt::Quitting()) {
    if (RequestCount != requestsBefore && g_withdrawnDuringRun != RequestCount) {
      // The tray menu and the hot keys stay live during the task run. A request made meanwhile
      // gets a countdown of its own (and its own tasks after it); this action waits behind it
      // and stands again if the user cancels that countdown.
      g_heldAction = PendingAction{requested.code, requested.name};
      rt::SkipOnError([] { frontEnd().UnloadTrayCountdown(); });
      rt::SkipOnError([] { CheckForm1Label2(); });
    } else {
      // A request made meanwhile and cancelled at once leaves this action as it stood. The Force
      // item stays live as well: its latest state applies.
      ActionCode = requested.code;
      ActionName = requested.name;
      CarryOut({requested.code, requested.name, ForceShutdown});
    }
  }

  // A command-line process has nothing left to do, and a window the engine loaded (the chooser)
  // must not keep it alive. After a cancel the notice runs to its end and then unloads them.
  bool noticeShown = false;
  rt::SkipOnError([&] { noticeShown = frontEnd().CancelNoticeShown(); });
  if (CommandLineMode && !noticeShown) rt::SkipOnError([] { rt::Forms::UnloadAll(); });
}

void TrayCountdownCancelled() {
  // A countdown armed by a request during the task run and cancelled before the run ended.
  if (g_engineRunning) {
    g_withdrawnDuringRun = RequestCount;
    return;
  }
  if (!g_heldAction) return;
  const PendingAction held = *std::exchange(g_heldAction, std::nullopt);
  if (CancelTasks || rt::Quitting()) return;
  ActionCode = held.code;
  ActionName = held.name;
  g_engineRunning = true;
  rt::ScopeExit done([] { g_engineRunning = false; });
  CarryOut({held.code, held.name, ForceShutdown});
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
