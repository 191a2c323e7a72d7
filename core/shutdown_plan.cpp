#include "shutdown_plan.h"

#include <algorithm>

#include "ascii_text.h"

namespace DozIzevodoz {
namespace {

void AppendListed(std::string& list, const std::string& item) {
  if (!list.empty()) list += ';';
  list += item;
}

}  // namespace

bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (text.empty()) return false;
  auto same = [](char a, char b) { return rt::UpperAscii(a) == rt::UpperAscii(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::string OwnActionName(int32_t actionCode) {
  switch (actionCode) {
    case 0: return "Shut";
    case 1: return "Log";
    case 2: return "Boot";
    case 4: return "Pwr";
    case 8: return "Sus";
    case 16: return "Hib";
    default: return {};
  }
}

uint32_t ExitWindowsFlags(int32_t actionCode, bool force) {
  constexpr uint32_t kLogOff = 0, kShutdown = 1, kReboot = 2, kForce = 4, kPowerOff = 8;
  uint32_t flags = kShutdown;
  if (actionCode & 1)
    flags = kLogOff;
  else if (actionCode & 2)
    flags = kReboot;
  else if (actionCode & 4)
    flags = kPowerOff;
  return force ? flags | kForce : flags;
}

bool IsTiedTo(const TaskRecord& task, std::string_view actionName) { return ContainsNoCase(task.Actions, actionName); }

bool AnyTiedTo(const std::vector<TaskRecord>& tasks, std::string_view actionName) {
  return std::any_of(tasks.begin(), tasks.end(), [&](const TaskRecord& t) { return IsTiedTo(t, actionName); });
}

TaskRun PlanTaskRun(const std::vector<TaskRecord>& tasks, const PendingAction& action) {
  TaskRun run;
  run.actionName = action.name;
  const std::string own = OwnActionName(action.code);
  for (const TaskRecord& t : tasks) {
    if (!IsTiedTo(t, action.name) || !ContainsNoCase(t.Actions, own)) continue;
    run.tasks.push_back(t);
    AppendListed(run.idList, std::to_string(t.ID));
    AppendListed(run.nameList, t.Desc);
  }
  return run;
}

}  // namespace DozIzevodoz
