#include "task_file.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>

namespace DozIzevodoz {
namespace {

// The first N fields of a line; the fields after them are not looked at.
template <size_t N>
struct Fields {
  std::array<std::string_view, N> field;
  size_t count = 0;  // how many of them the line has
  std::string_view operator[](size_t i) const { return field[i]; }
};

template <size_t N>
Fields<N> SplitAtTabs(std::string_view line) {
  Fields<N> f;
  for (;;) {
    size_t tab = line.find('\t');
    f.field[f.count++] = line.substr(0, tab);
    if (tab == std::string_view::npos || f.count == N) return f;
    line.remove_prefix(tab + 1);
  }
}

// Calls onFields for every non-empty line, split at its TABs.
template <size_t N, class OnFields>
void ForEachLine(std::string_view text, OnFields&& onFields) {
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) onFields(SplitAtTabs<N>(line));
  }
}

// Of the records that share an ID, the first stays; the others go, the order is kept.
template <class Record>
void DropLaterDuplicates(std::vector<Record>& records) {
  std::vector<size_t> byId(records.size());
  std::iota(byId.begin(), byId.end(), size_t{0});
  std::stable_sort(byId.begin(), byId.end(), [&](size_t a, size_t b) { return records[a].ID < records[b].ID; });
  std::vector<bool> drop(records.size());
  for (size_t i = 1; i < byId.size(); ++i)
    if (records[byId[i]].ID == records[byId[i - 1]].ID) drop[byId[i]] = true;
  size_t kept = 0;
  for (size_t i = 0; i < records.size(); ++i) {
    if (drop[i]) continue;
    if (kept != i) records[kept] = std::move(records[i]);
    ++kept;
  }
  records.resize(kept);
}

// The records of the list are filled again in place: a string that has the room takes the new
// text without an allocation, which is what a file read again costs. IDs written by the program
// rise line by line; only a file where they do not is searched for a repeated one.
template <class Record, size_t N, class Fill>
void Parse(std::string_view text, RecordList<Record>& list, Fill&& fill) {
  size_t used = 0;
  bool rising = true;
  list.lastId = 0;
  ForEachLine<N>(text, [&](const Fields<N>& fields) {
    if (fields.count < N) return;
    std::optional<int32_t> id = ParseWholeNumber(fields[0]);
    if (!id) return;
    if (used > 0 && *id <= list.records[used - 1].ID) rising = false;
    if (used == list.records.size()) list.records.emplace_back();
    fill(list.records[used++], *id, fields);
    if (*id > list.lastId) list.lastId = *id;
  });
  list.records.resize(used);
  if (!rising) DropLaterDuplicates(list.records);
}

void AppendField(std::string& out, std::string_view field) {
  size_t start = out.size();
  out.append(field);
  for (size_t i = start; i < out.size(); ++i)
    if (out[i] == '\t' || out[i] == '\r' || out[i] == '\n') out[i] = ' ';
}

void AppendNumber(std::string& out, int32_t value) {
  char digits[16];
  out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
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

void ParseTaskFile(std::string_view text, RecordList<TaskRecord>& list) {
  Parse<TaskRecord, 7>(text, list, [](TaskRecord& t, int32_t id, const Fields<7>& f) {
    t.ID = id;
    t.Desc.assign(f[1]);
    t.Prog.assign(f[2]);
    t.Args.assign(f[3]);
    t.Dir.assign(f[4]);
    t.WinStyle = ParseWholeNumber(f[5]).value_or(kNormalWinStyle);
    t.Actions.assign(f[6]);
  });
}

void ParseGroupFile(std::string_view text, RecordList<GroupRecord>& list) {
  Parse<GroupRecord, 3>(text, list, [](GroupRecord& g, int32_t id, const Fields<3>& f) {
    g.ID = id;
    g.Desc.assign(f[1]);
    g.TaskIDs.assign(f[2]);
  });
}

RecordList<TaskRecord> ParseTaskFile(std::string_view text) {
  RecordList<TaskRecord> list;
  ParseTaskFile(text, list);
  return list;
}

RecordList<GroupRecord> ParseGroupFile(std::string_view text) {
  RecordList<GroupRecord> list;
  ParseGroupFile(text, list);
  return list;
}

std::string FormatTaskFile(const std::vector<TaskRecord>& tasks) {
  std::string out;
  size_t size = 0;
  for (const TaskRecord& t : tasks)
    size += t.Desc.size() + t.Prog.size() + t.Args.size() + t.Dir.size() + t.Actions.size() + 40;
  out.reserve(size);
  for (const TaskRecord& t : tasks) {
    if (t.ID < 0) continue;
    AppendNumber(out, t.ID);
    for (const std::string* field : {&t.Desc, &t.Prog, &t.Args, &t.Dir}) {
      out += '\t';
      AppendField(out, *field);
    }
    out += '\t';
    AppendNumber(out, t.WinStyle);
    out += '\t';
    AppendField(out, t.Actions);
    out += "\r\n\r\n";
  }
  return out;
}

std::string FormatGroupFile(const std::vector<GroupRecord>& groups) {
  std::string out;
  for (const GroupRecord& g : groups) {
    if (g.ID < 0) continue;
    AppendNumber(out, g.ID);
    out += '\t';
    AppendField(out, g.Desc);
    out += '\t';
    AppendField(out, g.TaskIDs);
    out += "\r\n";
  }
  return out;
}

}  // namespace DozIzevodoz
