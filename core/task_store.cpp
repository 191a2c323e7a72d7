#include "task_store.h"

#include <algorithm>

#include "app.h"
#include "msg_box.h"
#include "path_text.h"
#include "platform_utils.h"
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
  const std::span<const Record> used = InUse(records, count);
  if (used.size() == records.size()) return format(records);
  return format(std::vector<Record>(used.begin(), used.end()));
}

// Parses the file into the list (emptied when there is nothing to read); an unreadable file is
// reported when asked: its list is kept on disk as it is. The system's error code of the read goes
// to readError when given.
template <class Record>
LoadResult ParseStoredFile(const std::string& path, const char* what,
                           void (*parse)(std::string_view, RecordList<Record>&), RecordList<Record>& list,
                           bool reportUnreadable = true, unsigned long* readError = nullptr) {
  unsigned long error = 0;
  const std::optional<std::string> bytes = ReadWholeFile(path, &error);
  if (readError) *readError = error;
  parse(bytes ? std::string_view(*bytes) : std::string_view(), list);
  if (bytes) return LoadResult::Loaded;
  if (IsMissingFileError(error)) return LoadResult::NoFile;
  if (!reportUnreadable) return LoadResult::Unreadable;
  rt::MsgBox(std::string("The ") + what + " list could not be read from\r\n" + path + "\r\n" + SystemErrorText(error) +
                 "\r\nThe file is left as it is; its " + what + "s are not used until it can be read.",
             MB_OK | MB_ICONEXCLAMATION, rt::App().FileDescription);
  return LoadResult::Unreadable;
}

}  // namespace

std::string TaskFilePath() { return rt::JoinPath(rt::App().Path, "Tasks.txt"); }
std::string GroupFilePath() { return rt::JoinPath(rt::App().Path, "Groups.txt"); }

namespace {

LoadResult LoadTaskFile(bool reportUnreadable, unsigned long* readError = nullptr) {
  RecordList<TaskRecord> list{std::move(Tasks)};
  const LoadResult result =
      ParseStoredFile(TaskFilePath(), "task", &ParseTaskFile, list, reportUnreadable, readError);
  Tasks = std::move(list.records);
  TaskCount = static_cast<int32_t>(Tasks.size());
  LastTaskId = list.lastId;
  return result;
}

}  // namespace

LoadResult LoadTasks() { return LoadTaskFile(true); }

LoadResult LoadTasksQuietly(unsigned long* readError) { return LoadTaskFile(false, readError); }

LoadResult LoadGroups() {
  RecordList<GroupRecord> list{std::move(Groups)};
  const LoadResult result = ParseStoredFile(GroupFilePath(), "group", &ParseGroupFile, list);
  Groups = std::move(list.records);
  GroupCount = static_cast<int32_t>(Groups.size());
  LastGroupId = list.lastId;
  return result;
}

bool SaveTasks() { return ReplaceFile(TaskFilePath(), FormatInUse(&FormatTaskFile, Tasks, TaskCount)); }

bool SaveGroups() { return ReplaceFile(GroupFilePath(), FormatInUse(&FormatGroupFile, Groups, GroupCount)); }

}  // namespace DozIzevodoz
