#pragma once
// frmTask, the task editor: creates, edits and deletes the tasks that run before a power action.
// It edits its own copy of the task list and writes the task file only when the user finishes.
// Browsing for a program and dropping files are in frm_task_drop.cpp.
#include <functional>
#include <optional>
#include <string>

#include "form.h"
#include "shortcut_link.h"
#include "task_editor_model.h"

namespace editors {

class FrmTask : public rt::Form {
 public:
  FrmTask() : rt::Form("frmTask") {}

  void NewTask();
  void ProcessDrop(const std::string& fid);
  // Where the editor goes when it closes this time, in place of the task chooser.
  void ReturnTo(std::function<void()> back) { back_ = std::move(back); }

  // For tests: the editor's copy of the task list, while the form is loaded.
  const TaskEditorModel* Model() const { return model_ ? &*model_ : nullptr; }

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_QueryUnload(int& cancel, rt::UnloadMode mode) override;
  void Form_Unload(int& cancel) override;
  void Form_QueryEnd(int& cancel) override;
  void Form_OLEDragDrop(const std::vector<std::string>& files) override;
  void Control_Click(rt::Control& sender) override;
  void Control_DblClick(rt::Control& sender) override;
  void Control_LostFocus(rt::Control& sender) override;
  void Control_OLEDragDrop(rt::Control& sender, const std::vector<std::string>& files) override;

 private:
  void EnableTop(bool enable);
  void EditTask();
  void DeleteTask();
  void CancelTask();
  void SaveTask();
  void CloseKeepingChanges();
  void CloseDiscardingChanges();
  void BrowseProgram();
  void ShowHelp();
  void ApplyDefaultWorkDir();
  void SetDropDescription(const std::string& desc);
  void FillFromShortcut(const std::string& linkFile, const DropPlan& plan);
  void ApplyShortcutTarget(const ShortcutTarget& target);
  void SelectWinStyle(int32_t winStyle);
  void EnableEditAndDelete(bool enable);
  TaskFields Fields();
  void ClearLowerHalf();

  std::optional<TaskEditorModel> model_;
  std::string lastBrowsed_;  // the Open dialog opens on the last choice
  std::function<void()> back_;
  bool taskFileUnread_ = false;  // the file existed but could not be read when the editor opened
};

FrmTask& frmTask();

// What the chooser's "Add/Edit Tasks" calls: the editor, modeless and without an owner.
void ShowTaskEditor();

}  // namespace editors
