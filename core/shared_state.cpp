#include "shared_state.h"

#include <algorithm>

namespace DozIzevodoz {

std::vector<TaskRecord> TasksInUse() {
  const std::span<const TaskRecord> used = InUse(Tasks, TaskCount);
  return std::vector<TaskRecord>(used.begin(), used.end());
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
