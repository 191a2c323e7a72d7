#pragma once
// One task and one group, as the task and group files hold them.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

// The first count entries of records, the ones in use: the count may be below the array's size
// while an editor works on it. None for a negative count, all for one beyond the end.
template <class Record>
std::span<const Record> InUse(const std::vector<Record>& records, int32_t count) {
  return std::span<const Record>(records).first(std::min(records.size(), static_cast<size_t>(std::max(count, 0))));
}

}  // namespace DozIzevodoz
