#include "group_editor_model.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "ascii_text.h"
#include "task_file.h"
#include "text_utils.h"

namespace editors {
namespace {

using DozIzevodoz::GroupRecord;
using DozIzevodoz::TaskRecord;

// The tasks by ID, built once per pass: a group may name every task of a large task file. The first
// task of an ID is the one a group names; a deleted task keeps no ID a group could name.
class TaskIndex {
 public:
  explicit TaskIndex(const std::vector<TaskRecord>& tasks) {
    for (const TaskRecord& task : tasks)
      if (task.ID >= 0) byId_.emplace(task.ID, &task);
  }
  const TaskRecord* Find(int32_t id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<int32_t, const TaskRecord*> byId_;
};

void AppendListed(std::string& list, const std::string& item) {
  if (!list.empty()) list += ';';
  list += item;
}

}  // namespace

MoverStates MoverStatesFor(const TaskListsState& lists) {
  MoverStates s;
  const int n = lists.selectedCount;
  if (n < 1) {
    s.up = s.down = false;
  } else {
    s.test = s.remAll = true;
    if (lists.selectedChosen == 0) {
      s.up = s.down = false;
    } else {
      s.remOne = true;
      if (n > 1) {
        s.up = lists.selectedCurrent > 0;
        s.down = lists.selectedCurrent < n - 1;
      }
    }
  }
  if (lists.availableCount > 0) {
    s.addAll = true;
    s.addOne = lists.availableChosen > 0;
  }
  return s;
}

std::vector<int32_t> SplitTaskIds(std::string_view taskIds, std::vector<std::string>* notNumbers) {
  std::vector<int32_t> ids;
  while (!taskIds.empty()) {
    size_t end = taskIds.find(';');
    std::string_view element = taskIds.substr(0, end);
    if (std::optional<int32_t> id = DozIzevodoz::ParseWholeNumber(element)) ids.push_back(*id);
    else if (notNumbers && !rt::TrimBlanks(element).empty()) notNumbers->emplace_back(element);
    if (end == std::string_view::npos) break;
    taskIds.remove_prefix(end + 1);
  }
  return ids;
}

std::string JoinTaskIds(const std::vector<int32_t>& ids) {
  std::string text;
  for (int32_t id : ids) AppendListed(text, std::to_string(id));
  return text;
}

TaskLists SplitTasks(const std::vector<int32_t>& ids, const std::vector<TaskRecord>& tasks) {
  TaskLists lists;
  const TaskIndex index(tasks);
  std::unordered_set<int32_t> shown;
  for (int32_t id : ids) {
    const TaskRecord* task = index.Find(id);
    if (!task || !shown.insert(id).second) continue;
    lists.selected.push_back({task->ID, task->Desc});
  }
  for (const TaskRecord& task : tasks)
    if (task.ID >= 0 && !shown.count(task.ID)) lists.available.push_back({task.ID, task.Desc});
  return lists;
}

DozIzevodoz::TaskRun TrialRun(const std::vector<int32_t>& ids, const std::vector<TaskRecord>& tasks) {
  DozIzevodoz::TaskRun run;
  const TaskIndex index(tasks);
  for (int32_t id : ids) {
    const TaskRecord* task = index.Find(id);
    if (!task) continue;
    run.tasks.push_back(*task);
    AppendListed(run.idList, std::to_string(task->ID));
    AppendListed(run.nameList, task->Desc);
  }
  // The trial runs the whole group, whichever action came last and whatever a task's Actions say.
  run.everyTask = true;
  return run;
}

std::string EmptyGroupQuestion(std::string_view desc) {
  return "Group \"" + std::string(desc) + "\" Has no Tasks.\r\n\r\nDelete this Group?";
}

GroupEditorModel::GroupEditorModel(std::span<const GroupRecord> groups, int32_t lastGroupId, TextEquality textEquals)
    : groups_(groups.begin(), groups.end()),
      lastGroupId_(lastGroupId),
      textEquals_(std::move(textEquals)) {}

int32_t GroupEditorModel::IndexOfId(int32_t id) const {
  for (size_t i = 0; i < groups_.size(); ++i)
    if (groups_[i].ID == id) return static_cast<int32_t>(i);
  return -1;
}

std::string GroupEditorModel::ProposedDesc() const { return "Group " + std::to_string(groups_.size() + 1); }

TaskLists GroupEditorModel::ListsFor(int32_t groupIndex, const std::vector<TaskRecord>& tasks) const {
  std::vector<int32_t> ids;
  if (groupIndex >= 0 && groupIndex < static_cast<int32_t>(groups_.size()))
    ids = SplitTaskIds(groups_[groupIndex].TaskIDs);
  return SplitTasks(ids, tasks);
}

std::string GroupEditorModel::Check(int32_t groupIndex, std::string_view descText, size_t selectedTasks) const {
  const std::string desc = rt::TrimBlanks(descText);
  if (desc.empty()) return "You must enter a Description";
  for (size_t i = 0; i < groups_.size(); ++i) {
    if (static_cast<int32_t>(i) == groupIndex || groups_[i].ID < 0) continue;
    if (textEquals_(groups_[i].Desc, desc))
      return "A Group named \"" + desc + "\" Already Exists.\r\nPlease select a different Description.";
  }
  if (!DozIzevodoz::ValidFID(desc))
    return "The Group Description (" + desc + ")\r\nContains one or more invalid characters (?*\"<>|/\\:)";
  if (selectedTasks == 0) return "You must Select at least one Task";
  return {};
}

GroupEditorModel::SaveResult GroupEditorModel::Save(int32_t groupIndex, std::string_view desc,
                                                    const std::vector<int32_t>& taskIds) {
  SaveResult result;
  if (groupIndex < 0 || groupIndex >= static_cast<int32_t>(groups_.size()) || groups_[groupIndex].ID < 0) {
    GroupRecord added;
    added.ID = ++lastGroupId_;
    groups_.push_back(added);
    groupIndex = static_cast<int32_t>(groups_.size()) - 1;
    result.added = true;
  }
  GroupRecord& group = groups_[groupIndex];
  group.Desc = rt::TrimBlanks(desc);
  group.TaskIDs = JoinTaskIds(taskIds);
  result.index = groupIndex;
  result.id = group.ID;
  result.desc = group.Desc;
  changed_ = true;
  return result;
}

bool GroupEditorModel::Delete(int32_t id) {
  int32_t i = IndexOfId(id);
  if (i < 0) return false;
  groups_[i] = GroupRecord{-1, "", ""};
  changed_ = true;
  return true;
}

GroupEditorModel::DoneResult GroupEditorModel::PrepareDone(const std::vector<TaskRecord>& tasks,
                                                           const std::function<bool(const GroupRecord&)>& deleteEmpty) {
  DoneResult result;
  const TaskIndex index(tasks);
  for (GroupRecord& group : groups_) {
    if (group.ID < 0) continue;
    std::vector<int32_t> kept;
    std::vector<std::string> notNumbers;
    for (int32_t id : SplitTaskIds(group.TaskIDs, &notNumbers))
      if (index.Find(id)) kept.push_back(id);
    for (std::string& element : notNumbers) result.notNumbers.push_back({group.Desc, std::move(element)});
    group.TaskIDs = JoinTaskIds(kept);
    if (!group.TaskIDs.empty()) continue;
    if (!deleteEmpty(group)) {
      result.keptEmptyId = group.ID;
      return result;
    }
    result.deletedIds.push_back(group.ID);
    group = GroupRecord{-1, "", ""};
    changed_ = true;
  }
  return result;
}

}  // namespace editors
