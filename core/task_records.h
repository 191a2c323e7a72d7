#pragma once
// One task and one group, as the task and group files hold them.
#include <cstdint>
#include <string>

namespace DozIzevodoz {

inline constexpr int32_t kNormalWinStyle = 1;  // SW_SHOWNORMAL

struct TaskRecord {
  int32_t ID = 0;        // negative: deleted, not saved
  std::string Desc;      // unique without regard to case
  std::string Prog;      // program path
  std::string Args;
  std::string Dir;       // working folder, with a trailing backslash when set
  int32_t WinStyle = kNormalWinStyle;  // show-window code: 1 normal, 3 maximised, 6 minimised, 0 hidden
  std::string Actions;   // the action names it runs before, concatenated
};

struct GroupRecord {
  int32_t ID = 0;
  std::string Desc;
  std::string TaskIDs;  // task IDs in run order, joined by ";"
};

}  // namespace DozIzevodoz
