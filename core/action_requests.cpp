#include "action_requests.h"

#include <windows.h>

#include "front_end.h"
#include "msg_box.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "shutdown_engine.h"
#include "shutdown_plan.h"
#include "task_store.h"

namespace DozIzevodoz {
namespace {

bool ArmCountdown(bool commandLineWindow, bool tasksDone) {
  LoadTasksQuietly();
  std::string caption = ActionCaption(ActionCode, ActionName);
  const std::string runTasks = ReadSetting("RunTasks");
  // TasksPending is set before the caption: the first touch loads the window, which reads it.
  TasksPending = !tasksDone && runTasks == "Yes" && AnyTiedTo(TasksInUse(), ActionName);
  return frontEnd().SetCountdownCaption(commandLineWindow, TasksPending ? "Run Tasks" : caption);
}

}  // namespace

bool CheckForm1Label2(bool tasksDone) { return ArmCountdown(false, tasksDone); }
bool CheckForm1Label3() { return ArmCountdown(true, false); }

void RequestAction(int32_t code, const char* name) {
  ActionCode = code;
  ActionName = name;
  TrayActionRequested(name, code);
}

void RequestActionIfSupported(Capability needs, int32_t code, const char* name) {
  if (IsSupported(needs)) {
    RequestAction(code, name);
  } else {
    rt::MsgBox(NotSupportedText(needs), MB_OK | MB_ICONINFORMATION, kInfoTitle4);
  }
}

}  // namespace DozIzevodoz
