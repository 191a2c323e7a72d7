#include "action_requests.h"

#include <windows.h>

#include "front_end.h"
#include "msg_box.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "shutdown_plan.h"
#include "task_store.h"

namespace DozIzevodoz {
namespace {

void ArmCountdown(bool commandLineWindow) {
  LoadTasks();
  std::string caption = ActionCaption(ActionCode, ActionName);
  const std::string runTasks = ReadSetting("RunTasks");
  // TasksPending is set before the caption: the first touch loads the window, which reads it.
  TasksPending = runTasks == "Yes" && AnyTiedTo(TasksInUse(), ActionName);
  frontEnd().SetCountdownCaption(commandLineWindow, TasksPending ? "Run Tasks" : caption);
}

}  // namespace

void CheckForm1Label2() { ArmCountdown(false); }
void CheckForm1Label3() { ArmCountdown(true); }

void RequestAction(int32_t code, const char* name) {
  ActionCode = code;
  ActionName = name;
  ++RequestCount;
  CheckForm1Label2();
}

void RequestActionIfSupported(Capability needs, int32_t code, const char* name) {
  if (IsSupported(needs)) {
    RequestAction(code, name);
  } else {
    rt::MsgBox(NotSupportedText(needs), MB_OK | MB_ICONINFORMATION, kInfoTitle4);
  }
}

}  // namespace DozIzevodoz
