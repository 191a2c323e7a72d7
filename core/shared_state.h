#pragma once
// The state the whole program shares: the pending action, the flags of the cancel hand-over,
// what the system supports, a few facts about Windows, and the task and group arrays.
// One GUI thread reads and writes these directly.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "pending_actions.h"
#include "task_records.h"

namespace DozIzevodoz {

// Action codes. The high bits mark the two actions that end in SetSystemPowerState.
inline constexpr int32_t kShutDownCode = 0;
inline constexpr int32_t kLogOffCode = 1;
inline constexpr int32_t kRebootCode = 2;
inline constexpr int32_t kPowerOffCode = 4;
inline constexpr int32_t kSuspendCode = static_cast<int32_t>(0xFFFF8008u);    // -32760
inline constexpr int32_t kHibernateCode = static_cast<int32_t>(0xFFFF8010u);  // -32752
inline constexpr uint32_t kPowerStateMask = 0xFFFF8000u;

inline int32_t ActionCode = 0;
inline std::string ActionName;
inline bool ForceShutdown = false;
inline bool SuspendSupported = false;
inline bool HibernateSupported = false;
inline bool PowerOffSupported = false;
inline std::string NoWarningScreen;  // "1": a command-line action runs without the countdown
inline bool TasksPending = false;
inline bool CancelTasks = false;
// The tray's power requests between the request and the call (see pending_actions.h).
inline PendingActions PendingPowerActions;
inline bool CancelKeyRegistered = false;
// The hidden hot-key window's keys by id; each countdown window keeps its own ENTER flag.
inline std::array<bool, 10> HotKeyRegistered{};
inline bool CommandLineMode = false;
inline std::string VersionText;
inline std::string WindowsDir;
inline std::string SystemDriveRoot;
inline bool IsWin9x = false;

inline std::vector<TaskRecord> Tasks;
inline int32_t TaskCount = 0;
inline int32_t LastTaskId = 0;
inline std::vector<GroupRecord> Groups;
inline int32_t GroupCount = 0;
inline int32_t LastGroupId = 0;

// A copy of the first TaskCount entries of Tasks: the tasks in use, whatever the array's size.
std::vector<TaskRecord> TasksInUse();

// Back to the state of a fresh process (for tests that run several starts in one process).
void ResetSharedState();

}  // namespace DozIzevodoz
