#pragma once
// frmGroups, the group editor: builds named groups of tasks, each an ordered list of task IDs.
// It edits its own copy of the groups and writes the group file only on "Done". The moves of its
// task lists are in frm_groups_moves.cpp, Save Changes and Done in frm_groups_saving.cpp, the roads
// to the task editor and the trial run in frm_groups_tasks.cpp.
#include <optional>
#include <string>
#include <vector>

#include "form.h"
#include "group_editor_model.h"

namespace editors {

class FrmGroups : public rt::Form {
 public:
  FrmGroups() : rt::Form("frmGroups") {}

  // The enabled states of the mover, order and test buttons, from the two task lists.
  void EnableMovers();
  // The task editor opened from here has closed: back to this dialog, with the task lists
  // brought up to date.
  void ReturnFromTaskEditor();

  // For tests: the editor's copy of the groups, while the form is loaded.
  const GroupEditorModel* Model() const { return model_ ? &*model_ : nullptr; }

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Unload(int& cancel) override;
  void Form_QueryEnd(int& cancel) override;
  void Control_Click(rt::Control& sender) override;
  void Control_DblClick(rt::Control& sender) override;
  void Control_MouseMove(rt::Control& sender, int button, int shift, double x, double y) override;
  void Control_OLEDragDrop(rt::Control& sender, const std::vector<std::string>& files) override;

 private:
  void EnableTop(bool on);
  void DispGroups();
  void NewGroup();
  void EditGroup();
  void DeleteGroup();
  void CancelGroup();
  void SaveGroup();
  void Done();
  void Cancel();
  void MoveTasks(const char* from, const char* to, bool chosenOnly);
  void MoveAll(const char* from, const char* to);
  void MoveChosen(const char* from, const char* to);
  void MoveSelectedTask(int step);
  void OpenTaskEditor();
  void DropOnAvailable(const std::string& fid);
  void TestGroup();
  void ShowTaskLists(const TaskLists& lists);
  void FirstAvailableCurrent(const char* guidance);
  std::vector<int32_t> SelectedTaskIds();
  // The shared task list as far as it is in use.
  static std::vector<DozIzevodoz::TaskRecord> CurrentTasks();
  void RemoveGroupEntry(int32_t id);
  void SetGuidance(const std::string& text);
  void SetEnabled(const char* name, bool on);

  std::optional<GroupEditorModel> model_;
  int32_t groupIndex_ = -1;
  int32_t selGroupId_ = -1;
  bool groupFileUnread_ = false;  // the file existed but could not be read when the editor opened

  friend void ShowGroupEditor();
};

FrmGroups& frmGroups();

// Opens the group editor over the task-run chooser: the groups and tasks read afresh, the chooser
// disabled until the editor closes.
void ShowGroupEditor();

}  // namespace editors
