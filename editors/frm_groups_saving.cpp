// The group editor's Save Changes, which checks the group in the frame and takes it into the
// editor's copy, and Done, which cleans every group of vanished tasks, asks about groups left
// without any, and writes the copy to the group file.
#include <windows.h>

#include <source_location>

#include "error_report.h"
#include "file_description.h"
#include "frm_groups.h"
#include "front_end.h"
#include "msg_box.h"
#include "shared_copy.h"
#include "shared_state.h"
#include "task_store.h"

namespace editors {
namespace {

constexpr const char* kSaved = "The Group's information has been saved.";

}  // namespace

void FrmGroups::SaveGroup() {
  const std::string desc = Ctl<rt::TextBox>("txtDesc").Text();
  const std::vector<int32_t> ids = SelectedTaskIds();
  std::string problem = model_->Check(groupIndex_, desc, ids.size());
  if (!problem.empty()) {
    rt::MsgBox(problem, MB_OK | MB_ICONEXCLAMATION, kFileDescription, hWnd());
    return;
  }
  GroupEditorModel::SaveResult saved = model_->Save(groupIndex_, desc, ids);
  groupIndex_ = saved.index;
  auto& list = Ctl<rt::ListBox>("lstGroups");
  if (saved.added) {
    list.SetItemData(list.AddItem(saved.desc), saved.id);
    list.SetListIndex(list.NewIndex());
  }
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.ItemData(i) == saved.id) list.SetList(i, saved.desc);
  SetGuidance(kSaved);
  EnableTop(true);
}

void FrmGroups::RemoveGroupEntry(int32_t id) {
  auto& list = Ctl<rt::ListBox>("lstGroups");
  for (int i = list.ListCount() - 1; i >= 0; --i)
    if (list.ItemData(i) == id) list.RemoveItem(i);
}

void FrmGroups::Done() {
  // The groups started empty only because the file could not be read: writing them would wipe it.
  if (groupFileUnread_) {
    ReportUnreadFileKept("group", DozIzevodoz::GroupFilePath(), hWnd());
    return;
  }
  // While a question is open the tray's Exit can unload this dialog, and its copy of the groups
  // with it: the round walks a copy of its own, stops asking once the dialog has gone, and only
  // then becomes the dialog's.
  GroupEditorModel round = *model_;
  GroupEditorModel::DoneResult prepared =
      round.PrepareDone(CurrentTasks(), [this](const DozIzevodoz::GroupRecord& group) {
        const bool yes =
            rt::MsgBox(EmptyGroupQuestion(group.Desc), MB_YESNO | MB_ICONQUESTION, kFileDescription, hWnd()) == IDYES;
        return yes && IsLoaded();  // a group kept ends the round
      });
  if (!IsLoaded()) return;
  *model_ = std::move(round);
  for (const GroupEditorModel::NotANumber& bad : prepared.notNumbers)
    rt::ReportError(Name(), "btnDone_Click",
                    "Type mismatch: \"" + bad.element + "\" in the tasks of the group \"" + bad.group +
                        "\" is no task number",
                    static_cast<int>(std::source_location::current().line()));
  // The list shows what the copy holds, also when Done stops here.
  for (int32_t id : prepared.deletedIds) RemoveGroupEntry(id);
  if (prepared.keptEmptyId >= 0) {
    auto& list = Ctl<rt::ListBox>("lstGroups");
    for (int i = 0; i < list.ListCount(); ++i) {
      if (list.ItemData(i) == prepared.keptEmptyId) {
        list.SetListIndex(i);
        EditGroup();
        break;
      }
    }
    return;
  }
  if (!CommitCopy<DozIzevodoz::GroupRecord>(
          {DozIzevodoz::Groups, DozIzevodoz::GroupCount, DozIzevodoz::LastGroupId}, model_->Groups(),
          model_->LastGroupId(), &DozIzevodoz::SaveGroups, "groups", DozIzevodoz::GroupFilePath(), hWnd()))
    return;
  // The chooser lists tasks, not groups: its list, its selection and its "Run Tasks" stay as they are.
  DozIzevodoz::frontEnd().EnableTaskChooser(true);
  Hide();
  DozIzevodoz::frontEnd().ShowTaskChooser();
  Unload();
}

}  // namespace editors
