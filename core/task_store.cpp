#include "task_store.h"

#include <algorithm>

#include "app.h"
#include "path_text.h"
#include "shared_state.h"
#include "task_file.h"
#include "text_file.h"

namespace DozIzevodoz {
namespace {

// The entries in use: TaskCount may be below the array's size while an editor works on it. The
// whole array, the usual case, is formatted where it lies.
template <class Record>
std::string FormatInUse(std::string (*format)(const std::vector<Record>&), const std::vector<Record>& records,
                        int32_t count) {
  size_t n = std::min(records.size(), static_cast<size_t>(std::max(count, 0)));
  if (n == records.size()) return format(records);
  return format(std::vector<Record>(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(n)));
}

}  // namespace

std::string TaskFilePath() { return rt::JoinPath(rt::App().Path, "Tasks.txt"); }
std::string GroupFilePath() { return rt::JoinPath(rt::App().Path, "Groups.txt"); }

void LoadTasks() {
  RecordList<TaskRecord> list{std::move(Tasks)};
  ParseTaskFile(ReadWholeFile(TaskFilePath()).value_or(""), list);
  Tasks = std::move(list.records);
  TaskCount = static_cast<int32_t>(Tasks.size());
  LastTaskId = list.lastId;
}

void LoadGroups() {
  RecordList<GroupRecord> list{std::move(Groups)};
  ParseGroupFile(ReadWholeFile(GroupFilePath()).value_or(""), list);
  Groups = std::move(list.records);
  GroupCount = static_cast<int32_t>(Groups.size());
  LastGroupId = list.lastId;
}

bool SaveTasks() { return ReplaceFile(TaskFilePath(), FormatInUse(&FormatTaskFile, Tasks, TaskCount)); }

bool SaveGroups() { return ReplaceFile(GroupFilePath(), FormatInUse(&FormatGroupFile, Groups, GroupCount)); }

}  // namespace DozIzevodoz
