#pragma once
// The shutdown engine's decisions over plain data: which tasks run before an action and which
// flags the action ends in.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "task_records.h"

namespace DozIzevodoz {

// A power action: its code, its name, and whether it is forced.
struct PendingAction {
  int32_t code = 0;
  std::string name;
  bool force = false;

  bool operator==(const PendingAction&) const = default;
};

// The tasks one run starts, in order, with the lists the progress window is filled from.
struct TaskRun {
  std::vector<TaskRecord> tasks;
  std::string idList;    // the tasks' IDs joined by ";"
  std::string nameList;  // their descriptions joined by ";"
  std::string actionName;
  bool everyTask = false;  // a trial: each task runs whatever its Actions, none left out
};

// True when text holds part, ASCII letters compared without regard to case. Like the platform's
// InStr: an empty text holds nothing, a non-empty one holds the empty part.
bool ContainsNoCase(std::string_view text, std::string_view part);

// The action's own name from its code: "Shut", "Log", "Boot", "Pwr", "Sus", "Hib", else "".
std::string OwnActionName(int32_t actionCode);

// The ExitWindowsEx flags of a log off, reboot, power off or shut down, with EWX_FORCE when forced.
uint32_t ExitWindowsFlags(int32_t actionCode, bool force);

// A task is tied to an action when its Actions text names it.
bool IsTiedTo(const TaskRecord& task, std::string_view actionName);
bool AnyTiedTo(const std::vector<TaskRecord>& tasks, std::string_view actionName);

// The tasks tied to the action whose Actions text also holds the action's own name.
TaskRun PlanTaskRun(const std::vector<TaskRecord>& tasks, const PendingAction& action);

}  // namespace DozIzevodoz
