#include "task_editor_model.h"

#include <algorithm>

#include "ascii_text.h"
#include "shutdown_plan.h"

namespace editors {
namespace {

using DozIzevodoz::TaskRecord;

bool BreaksTaskFile(std::string_view text) { return text.find_first_of("\t\r\n") != std::string_view::npos; }

std::string LowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = rt::LowerAscii(c);
  return lower;
}

}  // namespace

std::string ActionsFor(const std::array<bool, kActionBoxCount>& boxes) {
  std::string actions;
  for (int i = 0; i < kActionBoxCount; ++i)
    if (boxes[i]) actions += kActionNames[i];
  return actions;
}

std::array<bool, kActionBoxCount> BoxesFor(std::string_view actions) {
  std::array<bool, kActionBoxCount> boxes{};
  for (int i = 0; i < kActionBoxCount; ++i) boxes[i] = DozIzevodoz::ContainsNoCase(actions, kActionNames[i]);
  return boxes;
}

std::string DefaultWorkDir(std::string_view dir, std::string_view prog, const FolderTest& folderExists) {
  // A folder that has gone would fail every Save, and the user cannot see it to mend it.
  const std::string current = rt::TrimBlanks(dir);
  if (!current.empty() && folderExists(current)) return std::string(dir);
  const std::string p = rt::TrimBlanks(prog);
  const size_t k = p.rfind('\\');
  if (k == std::string::npos) return {};
  std::string programFolder = p.substr(0, k + 1);
  if (!folderExists(programFolder)) return {};
  return programFolder;
}

int32_t WinStyleOfShowCommand(int showCommand) {
  switch (showCommand) {
    case 3: return 3;  // SW_SHOWMAXIMIZED
    case 7: return 6;  // SW_SHOWMINNOACTIVE
    default: return DozIzevodoz::kNormalWinStyle;
  }
}

TaskEditorModel::TaskEditorModel(std::span<const TaskRecord> tasks, int32_t lastTaskId, TextEquality textEquals)
    : tasks_(tasks.begin(), tasks.end()),
      lastTaskId_(lastTaskId),
      textEquals_(std::move(textEquals)) {}

int32_t TaskEditorModel::IndexOfId(int32_t id) const {
  for (size_t i = 0; i < tasks_.size(); ++i)
    if (tasks_[i].ID == id) return static_cast<int32_t>(i);
  return -1;
}

std::string TaskEditorModel::Check(const TaskFields& f, const FolderTest& folderExists) const {
  bool anyBox = false;
  for (bool b : f.boxes) anyBox = anyBox || b;
  if (!anyBox) return "You must check at least one type of shutdown action";
  const std::string desc = rt::TrimBlanks(f.desc);
  if (desc.empty()) return "You must enter a Description";
  // A deleted record is never written again, so its name is free at once.
  for (size_t i = 0; i < tasks_.size(); ++i) {
    if (static_cast<int32_t>(i) == taskIndex_ || tasks_[i].ID < 0) continue;
    if (textEquals_(tasks_[i].Desc, desc))
      return "A Task named \"" + desc + "\" Already Exists.\r\nPlease select a different Description.";
  }
  if (rt::TrimBlanks(f.prog).empty()) return "You must specify a program";
  // The task file separates its fields with TAB and its records with line breaks.
  if (BreaksTaskFile(f.desc) || BreaksTaskFile(f.prog) || BreaksTaskFile(f.args))
    return "The Description, Program Path and Program Parameters cannot contain tabs or line breaks.\r\n"
           "Please remove them and try again.";
  const std::string dir = rt::TrimBlanks(f.dir);
  if (!dir.empty() && !folderExists(dir))
    return "Start In Folder/Working Directory:\r\n" + dir + "\r\nDoes Not Exist";
  return {};
}

TaskEditorModel::SaveResult TaskEditorModel::Save(const TaskFields& f) {
  SaveResult result;
  // A record deleted while it was being edited is gone; its values make a new task.
  if (taskIndex_ < 0 || taskIndex_ >= static_cast<int32_t>(tasks_.size()) || tasks_[taskIndex_].ID < 0) {
    TaskRecord added;
    added.ID = ++lastTaskId_;
    tasks_.push_back(added);
    taskIndex_ = static_cast<int32_t>(tasks_.size()) - 1;
    result.added = true;
  }
  TaskRecord& t = tasks_[taskIndex_];
  t.Desc = rt::TrimBlanks(f.desc);
  t.Prog = f.prog;
  t.Args = f.args;
  t.Dir = rt::TrimBlanks(f.dir);
  if (!t.Dir.empty() && t.Dir.back() != '\\') t.Dir += '\\';
  t.WinStyle = f.winStyle;
  t.Actions = ActionsFor(f.boxes);
  result.id = t.ID;
  result.desc = t.Desc;
  // The next Save after this one is a new task, never a silent overwrite of this one.
  taskIndex_ = -1;
  changed_ = true;
  return result;
}

bool TaskEditorModel::Delete(int32_t id) {
  int32_t i = IndexOfId(id);
  if (i < 0) return false;
  tasks_[i].ID = -1;
  tasks_[i].Prog.clear();
  tasks_[i].Args.clear();
  tasks_[i].Dir.clear();
  if (i == taskIndex_) taskIndex_ = -1;
  changed_ = true;
  return true;
}

DropPlan PlanDrop(std::string_view fid) {
  DropPlan plan;
  std::string_view name = fid;
  size_t slash = fid.rfind('\\');
  if (slash != std::string_view::npos) {
    name = fid.substr(slash + 1);
    plan.folder = std::string(fid.substr(0, slash + 1));
  }
  std::string ext;
  size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) {
    ext = LowerAscii(name.substr(dot));
    name = name.substr(0, dot);
  }
  plan.desc = std::string(name);
  if (ext == ".lnk") {
    plan.kind = DropPlan::Kind::Shortcut;
  } else if (ext == ".exe" || ext == ".bat" || ext == ".cmd" || ext == ".com") {
    plan.kind = DropPlan::Kind::Program;
  } else {
    plan.kind = DropPlan::Kind::Refused;
    plan.message = "Cannot run \"" + std::string(fid) + "\"\r\nIncorrect File Type (" + ext + ")";
  }
  return plan;
}

}  // namespace editors
