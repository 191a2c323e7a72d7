#pragma once
// The group editor's own copy of the groups and the rules of its lists, Save Changes, Delete and
// Done, free of windows so that they can be tested anywhere. The editor hands the copy to the
// shared groups only when the group file has taken it.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shutdown_plan.h"
#include "task_records.h"

namespace editors {

// A task as the editor's lists show it: by its description, known by its ID.
struct TaskEntry {
  int32_t id = 0;
  std::string desc;
  bool operator==(const TaskEntry&) const = default;
};

// The two task lists of the editing frame: the group's tasks in run order, and the others.
struct TaskLists {
  std::vector<TaskEntry> selected, available;
};

// What the two task lists hold and which of their entries are selected.
struct TaskListsState {
  int selectedCount = 0;     // entries of "Selected Tasks"
  int selectedChosen = 0;    // of them selected by the user
  int selectedCurrent = -1;  // the current entry of "Selected Tasks"
  int availableCount = 0;
  int availableChosen = 0;
};

// Enabled states of the mover, order and test buttons; an order button without a value keeps
// the state it has.
struct MoverStates {
  bool test = false, addAll = false, addOne = false, remOne = false, remAll = false;
  std::optional<bool> up, down;
};
MoverStates MoverStatesFor(const TaskListsState& lists);

// A TaskIDs text and back: IDs joined by ";". Elements that are no whole number name no task and
// are left out; notNumbers, when given, collects those that are not empty.
std::vector<int32_t> SplitTaskIds(std::string_view taskIds, std::vector<std::string>* notNumbers = nullptr);
std::string JoinTaskIds(const std::vector<int32_t>& ids);

// The tasks named by ids, in that order and each once, and the other tasks in task-list order;
// IDs without a task, and deleted tasks, are not shown.
TaskLists SplitTasks(const std::vector<int32_t>& ids, const std::vector<DozIzevodoz::TaskRecord>& tasks);

// A trial of a group's tasks, in the given order: every task runs, whatever action is pending and
// whatever its Actions.
DozIzevodoz::TaskRun TrialRun(const std::vector<int32_t>& ids, const std::vector<DozIzevodoz::TaskRecord>& tasks);

// The question Done asks about a group that has no task left.
std::string EmptyGroupQuestion(std::string_view desc);

using TextEquality = std::function<bool(std::string_view, std::string_view)>;

class GroupEditorModel {
 public:
  // The groups in use (DozIzevodoz::InUse) become the editor's.
  GroupEditorModel(std::span<const DozIzevodoz::GroupRecord> groups, int32_t lastGroupId, TextEquality textEquals);

  const std::vector<DozIzevodoz::GroupRecord>& Groups() const { return groups_; }
  int32_t LastGroupId() const { return lastGroupId_; }

  // The first group with this ID; -1 when none.
  int32_t IndexOfId(int32_t id) const;
  // What New proposes: one more than the number of slots, deleted ones included.
  std::string ProposedDesc() const;
  // The task lists of the group at index (run order kept); all tasks are available for -1.
  TaskLists ListsFor(int32_t groupIndex, const std::vector<DozIzevodoz::TaskRecord>& tasks) const;

  // The first failing check's message; empty when the group can be saved.
  std::string Check(int32_t groupIndex, std::string_view desc, size_t selectedTasks) const;

  struct SaveResult {
    int32_t index = -1;
    int32_t id = 0;
    bool added = false;  // a new group: its entry must be added to the list
    std::string desc;    // the text every entry of that ID shows
  };
  // Writes a checked group into the group at groupIndex, or into a new one for -1.
  SaveResult Save(int32_t groupIndex, std::string_view desc, const std::vector<int32_t>& taskIds);

  // Marks the first group with this ID deleted; false when there is none.
  bool Delete(int32_t id);

  // A Save or a Delete has changed the copy since it was taken.
  bool Changed() const { return changed_; }

  struct NotANumber {
    std::string group;    // the description of the group
    std::string element;  // the element of its TaskIDs
    bool operator==(const NotANumber&) const = default;
  };
  struct DoneResult {
    int32_t keptEmptyId = -1;         // a group left without tasks that the user keeps: Done stops
    std::vector<int32_t> deletedIds;  // groups without tasks that the user had deleted
    std::vector<NotANumber> notNumbers;  // dropped from their groups, for the user to hear of
  };
  // Drops from every group the IDs of tasks that no longer exist and the elements that are no
  // number, and asks about each group left without tasks whether it goes (true) or stays to be
  // edited (false, which ends the round).
  DoneResult PrepareDone(const std::vector<DozIzevodoz::TaskRecord>& tasks,
                         const std::function<bool(const DozIzevodoz::GroupRecord&)>& deleteEmpty);

 private:
  std::vector<DozIzevodoz::GroupRecord> groups_;
  int32_t lastGroupId_;
  TextEquality textEquals_;
  bool changed_ = false;
};

}  // namespace editors
