#pragma once
// The editors work on a copy of a shared list of records and hand it over when the user is done:
// the shared list takes the copy only if its file takes it too.
#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace editors {

template <class Record>
struct SharedRecords {
  std::vector<Record>& records;
  int32_t& count;
  int32_t& lastId;
};

// Tells the user that the file of what (e.g. "tasks") could not be written.
void ReportNotSaved(const std::string& what, const std::string& file, HWND owner);

// Tells the user that the file of what (e.g. "task") is kept as it is: it could not be read when
// the editor opened, so the editor's list is not the file's and must not be written over it.
void ReportUnreadFileKept(const std::string& what, const std::string& file, HWND owner);

// Puts copy (and its last ID) in place of the shared records and writes them with save. When save
// fails, the shared records are as they were, the user has been told, and the result is false:
// the editor keeps its copy for another try.
template <class Record>
bool CommitCopy(SharedRecords<Record> shared, const std::vector<Record>& copy, int32_t copyLastId, bool (*save)(),
                const std::string& what, const std::string& file, HWND owner) {
  std::vector<Record> previous = std::exchange(shared.records, copy);
  const int32_t previousCount = std::exchange(shared.count, static_cast<int32_t>(copy.size()));
  const int32_t previousLast = std::exchange(shared.lastId, copyLastId);
  if (save()) return true;
  shared.records = std::move(previous);
  shared.count = previousCount;
  shared.lastId = previousLast;
  ReportNotSaved(what, file, owner);
  return false;
}

}  // namespace editors
