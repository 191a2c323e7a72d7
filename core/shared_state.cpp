#include "shared_state.h"

#include <algorithm>

namespace DozIzevodoz {

std::vector<TaskRecord> TasksInUse() {
  const size_t count = std::min(Tasks.size(), static_cast<size_t>(std::max(TaskCount, 0)));
  return std::vector<TaskRecord>(Tasks.begin(), Tasks.begin() + static_cast<std::ptrdiff_t>(count));
}

void ResetSharedState() {
  ActionCode = 0;
  ActionName.clear();
  ForceShutdown = SuspendSupported = HibernateSupported = PowerOffSupported = false;
  NoWarningScreen.clear();
  TasksPending = CancelTasks = CancelKeyRegistered = false;
  PendingPowerActions = {};
  HotKeyRegistered.fill(false);
  CommandLineMode = false;
  VersionText.clear();
  WindowsDir.clear();
  SystemDriveRoot.clear();
  IsWin9x = false;
  Tasks.clear();
  TaskCount = LastTaskId = 0;
  Groups.clear();
  GroupCount = LastGroupId = 0;
}

}  // namespace DozIzevodoz
