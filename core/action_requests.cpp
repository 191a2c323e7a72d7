#include "action_requests.h"

#include <windows.h>

#include <span>

#include "front_end.h"
#include "message_loop.h"
#include "msg_box.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "shutdown_plan.h"
#include "task_store.h"

namespace DozIzevodoz {
namespace {

std::function<uint32_t()>& WaitClock() {
  static std::function<uint32_t()> clock;
  return clock;
}

DWORD NowTicks() { return WaitClock() ? WaitClock()() : GetTickCount(); }

bool TasksTiedToPendingAction() {
  size_t count = static_cast<size_t>(TaskCount < 0 ? 0 : TaskCount);
  std::vector<TaskRecord> loaded(Tasks.begin(), Tasks.begin() + static_cast<std::ptrdiff_t>(std::min(count, Tasks.size())));
  return AnyTiedTo(loaded, ActionName);
}

void ArmCountdown(bool commandLineWindow) {
  LoadTasks();
  std::string caption = ActionCaption(ActionCode, ActionName);
  const std::string runTasks = ReadSetting("RunTasks");
  // TasksPending is set before the caption: the first touch loads the window, which reads it.
  TasksPending = runTasks == "Yes" && TasksTiedToPendingAction();
  frontEnd().SetCountdownCaption(commandLineWindow, TasksPending ? "Run Tasks" : caption);
}

// Whole seconds since start, as the tick count sees them; a count that wraps keeps counting.
void WaitWholeSeconds(int32_t seconds) {
  const DWORD start = NowTicks();
  while (seconds > 0 && static_cast<int64_t>((NowTicks() - start) / 1000) < seconds) {
    rt::DoEvents();
    // Yield until a message arrives or a little time has passed, instead of spinning.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace

void CheckForm1Label2() { ArmCountdown(false); }

void RequestAction(int32_t code, const char* name) {
  ActionCode = code;
  ActionName = name;
  ++RequestCount;
  RequestWithdrawn = false;
  CheckForm1Label2();
}

void RequestActionIfSupported(bool supported, int32_t code, const char* name, const char* notSupportedText) {
  if (supported) {
    RequestAction(code, name);
  } else {
    rt::MsgBox(notSupportedText, MB_OK | MB_ICONINFORMATION, kInfoTitle4);
  }
}
void CheckForm1Label3() { ArmCountdown(true); }

void WaitFor(int32_t seconds) {
  WaitWholeSeconds(seconds);
  frontEnd().UnloadCancelMessage();
}

void WaitFor2(int32_t seconds) {
  WaitWholeSeconds(seconds);
  // The closing lines show whether or not the cancel key was ours, so the notice always ends.
  frontEnd().ShowCancelCompleted();
  CancelKeyRegistered = false;
  WaitFor(2);
  CancelTasks = false;
}

void SetWaitClock(std::function<uint32_t()> clock) { WaitClock() = std::move(clock); }

}  // namespace DozIzevodoz
