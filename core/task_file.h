#pragma once
// The text of the task file and the group file: one record a line, fields separated by TAB.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "task_records.h"

namespace DozIzevodoz {

template <class Record>
struct RecordList {
  std::vector<Record> records;
  int32_t lastId = 0;  // the highest ID read, 0 when none is above 0
};

// Lines end with CR LF or a lone LF. Empty lines and lines with too few fields are skipped, extra
// fields are ignored; a line whose ID is not a whole number is skipped, and of two lines with the
// same ID the first is kept.
RecordList<TaskRecord> ParseTaskFile(std::string_view text);
RecordList<GroupRecord> ParseGroupFile(std::string_view text);
// The same into a list, whose records make way for the file's: their strings are used again where
// they have the room, so a file read again allocates nothing per field.
void ParseTaskFile(std::string_view text, RecordList<TaskRecord>& list);
void ParseGroupFile(std::string_view text, RecordList<GroupRecord>& list);

// Records with a negative ID are left out. A TAB, CR or LF inside a text field would split the
// record when it is read again, so each is written as a blank.
std::string FormatTaskFile(const std::vector<TaskRecord>& tasks);
std::string FormatGroupFile(const std::vector<GroupRecord>& groups);

// An optional "-" and decimal digits, blanks around allowed, within 32 bits; nothing else.
std::optional<int32_t> ParseWholeNumber(std::string_view text);

}  // namespace DozIzevodoz
