#pragma once
// The task editor's own copy of the task list and the rules of its Save, Edit, Delete and drop,
// free of windows so that they can be tested anywhere. The editor commits the copy only when the
// user finishes, so a reload of the shared list while it is open cannot pull records from under it.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "task_records.h"

namespace editors {

// The six action check boxes in the order their names go into Actions.
enum ActionBox { kShutdownBox, kPowerOffBox, kRebootBox, kLogOffBox, kSuspendBox, kHibernateBox, kActionBoxCount };
inline constexpr std::array<const char*, kActionBoxCount> kActionNames = {"Shut", "Pwr", "Boot", "Log", "Sus", "Hib"};

// What the lower half of the editor holds.
struct TaskFields {
  std::string desc, prog, args, dir;
  int32_t winStyle = DozIzevodoz::kNormalWinStyle;
  std::array<bool, kActionBoxCount> boxes{};
};

// The names of the ticked boxes, concatenated in the fixed order.
std::string ActionsFor(const std::array<bool, kActionBoxCount>& boxes);
// Which boxes an Actions text ticks (a name anywhere in it, letter case ignored).
std::array<bool, kActionBoxCount> BoxesFor(std::string_view actions);
using FolderTest = std::function<bool(const std::string& folder)>;

// The working folder the editor proposes for a program: the current one when it is set and still
// exists, else the program's folder (up to its last backslash) when that exists, else none. The
// folder is hidden from the user, so one that does not exist is never proposed: Save would refuse it.
std::string DefaultWorkDir(std::string_view dir, std::string_view prog, const FolderTest& folderExists);

// The window state of a task started as a shortcut's show command says: shortcuts store
// SW_SHOWMINNOACTIVE for "Minimized"; anything unknown runs Normal, never hidden.
int32_t WinStyleOfShowCommand(int showCommand);

using TextEquality = std::function<bool(std::string_view, std::string_view)>;

class TaskEditorModel {
 public:
  // The tasks in use (DozIzevodoz::InUse) become the editor's.
  TaskEditorModel(std::span<const DozIzevodoz::TaskRecord> tasks, int32_t lastTaskId, TextEquality textEquals);

  const std::vector<DozIzevodoz::TaskRecord>& Tasks() const { return tasks_; }
  int32_t LastTaskId() const { return lastTaskId_; }
  int32_t TaskIndex() const { return taskIndex_; }
  void SetTaskIndex(int32_t index) { taskIndex_ = index; }

  // The first record with this ID; -1 when none.
  int32_t IndexOfId(int32_t id) const;

  // The first failing check's message; empty when the fields can be saved.
  std::string Check(const TaskFields& fields, const FolderTest& folderExists) const;

  struct SaveResult {
    int32_t id = 0;
    bool added = false;   // a new record: its entry must be added to the list
    std::string desc;     // the text every entry of that ID shows
  };
  // Writes checked fields into the record being edited, or into a new one when none is (or the
  // one named was deleted meanwhile); afterwards no record is being edited.
  SaveResult Save(const TaskFields& fields);

  // Marks the first record with this ID deleted; false when there is none.
  bool Delete(int32_t id);

  // A Save or a Delete has changed the copy since it was taken.
  bool Changed() const { return changed_; }

 private:
  std::vector<DozIzevodoz::TaskRecord> tasks_;
  int32_t lastTaskId_;
  int32_t taskIndex_ = -1;
  bool changed_ = false;
  TextEquality textEquals_;
};

// What a file dropped on the editor (or chosen by browsing) makes of the task.
struct DropPlan {
  enum class Kind { Program, Shortcut, Refused } kind = Kind::Refused;
  std::string desc;     // the file name without its extension
  std::string folder;   // up to and including the last backslash; "" when there is none
  std::string message;  // for Refused
};
DropPlan PlanDrop(std::string_view fid);

}  // namespace editors
