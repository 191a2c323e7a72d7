#include "task_file.h"

#include <set>

namespace DozIzevodoz {
namespace {

std::vector<std::string_view> SplitAtTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

// Calls onFields for every non-empty line, split at its TABs.
template <class OnFields>
void ForEachLine(std::string_view text, OnFields&& onFields) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) onFields(SplitAtTabs(line));
  }
}

template <class Record, class Make>
RecordList<Record> Parse(std::string_view text, size_t fieldCount, Make&& make) {
  RecordList<Record> list;
  std::set<int32_t> seen;
  ForEachLine(text, [&](const std::vector<std::string_view>& fields) {
    if (fields.size() < fieldCount) return;
    std::optional<int32_t> id = ParseWholeNumber(fields[0]);
    if (!id || !seen.insert(*id).second) return;
    list.records.push_back(make(*id, fields));
    if (*id > list.lastId) list.lastId = *id;
  });
  return list;
}

void AppendField(std::string& out, const std::string& field) {
  for (char c : field) out += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
}

}  // namespace

std::optional<int32_t> ParseWholeNumber(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

RecordList<TaskRecord> ParseTaskFile(std::string_view text) {
  return Parse<TaskRecord>(text, 7, [](int32_t id, const std::vector<std::string_view>& f) {
    TaskRecord t;
    t.ID = id;
    t.Desc = f[1];
    t.Prog = f[2];
    t.Args = f[3];
    t.Dir = f[4];
    t.WinStyle = ParseWholeNumber(f[5]).value_or(kNormalWinStyle);
    t.Actions = f[6];
    return t;
  });
}

RecordList<GroupRecord> ParseGroupFile(std::string_view text) {
  return Parse<GroupRecord>(text, 3, [](int32_t id, const std::vector<std::string_view>& f) {
    return GroupRecord{id, std::string(f[1]), std::string(f[2])};
  });
}

std::string FormatTaskFile(const std::vector<TaskRecord>& tasks) {
  std::string out;
  for (const TaskRecord& t : tasks) {
    if (t.ID < 0) continue;
    out += std::to_string(t.ID);
    for (const std::string* field : {&t.Desc, &t.Prog, &t.Args, &t.Dir}) {
      out += '\t';
      AppendField(out, *field);
    }
    out += '\t' + std::to_string(t.WinStyle) + '\t';
    AppendField(out, t.Actions);
    out += "\r\n\r\n";
  }
  return out;
}

std::string FormatGroupFile(const std::vector<GroupRecord>& groups) {
  std::string out;
  for (const GroupRecord& g : groups) {
    if (g.ID < 0) continue;
    out += std::to_string(g.ID) + '\t';
    AppendField(out, g.Desc);
    out += '\t';
    AppendField(out, g.TaskIDs);
    out += "\r\n";
  }
  return out;
}

}  // namespace DozIzevodoz
