#include "task_store.h"

#include <algorithm>

#include "app.h"
#include "path_text.h"
#include "shared_state.h"
#include "task_file.h"
#include "text_file.h"

namespace DozIzevodoz {
namespace {

// The entries in use: TaskCount may be below the array's size while an editor works on it.
template <class Record>
std::vector<Record> InUse(const std::vector<Record>& records, int32_t count) {
  size_t n = std::min(records.size(), static_cast<size_t>(std::max(count, 0)));
  return std::vector<Record>(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(n));
}

}  // namespace

std::string TaskFilePath() { return rt::JoinPath(rt::App().Path, "Tasks.txt"); }
std::string GroupFilePath() { return rt::JoinPath(rt::App().Path, "Groups.txt"); }

void LoadTasks() {
  RecordList<TaskRecord> list = ParseTaskFile(ReadWholeFile(TaskFilePath()).value_or(""));
  Tasks = std::move(list.records);
  TaskCount = static_cast<int32_t>(Tasks.size());
  LastTaskId = list.lastId;
}

void LoadGroups() {
  RecordList<GroupRecord> list = ParseGroupFile(ReadWholeFile(GroupFilePath()).value_or(""));
  Groups = std::move(list.records);
  GroupCount = static_cast<int32_t>(Groups.size());
  LastGroupId = list.lastId;
}

bool SaveTasks() { return ReplaceFile(TaskFilePath(), FormatTaskFile(InUse(Tasks, TaskCount))); }

bool SaveGroups() { return ReplaceFile(GroupFilePath(), FormatGroupFile(InUse(Groups, GroupCount))); }

}  // namespace DozIzevodoz
