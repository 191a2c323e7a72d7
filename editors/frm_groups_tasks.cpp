// Where the group editor lends its tasks out: to the task editor, to edit them or to take a
// dropped program, and to the task-progress window, to try a group out.
#include <windows.h>

#include "frm_groups.h"
#include "frm_task.h"
#include "front_end.h"

namespace editors {

void FrmGroups::ReturnFromTaskEditor() {
  if (!IsLoaded()) return;
  EnableWindow(hWnd(), TRUE);
  // Tasks may have come or gone: the group keeps its order, the lists show the tasks as they are.
  if (Ctl<rt::Container>("fraGroup").Visible()) {
    ShowTaskLists(SplitTasks(SelectedTaskIds(), CurrentTasks()));
    EnableMovers();
  }
  Show();
}

void FrmGroups::OpenTaskEditor() {
  Hide();
  frmTask().ReturnTo([] { frmGroups().ReturnFromTaskEditor(); });
  ShowTaskEditor();
}

void FrmGroups::DropOnAvailable(const std::string& fid) {
  EnableWindow(hWnd(), FALSE);
  frmTask().Load();
  frmTask().ReturnTo([] { frmGroups().ReturnFromTaskEditor(); });
  frmTask().NewTask();
  frmTask().ProcessDrop(fid);
  ShowTaskEditor();
}

void FrmGroups::TestGroup() {
  const std::vector<int32_t> ids = SelectedTaskIds();
  if (ids.empty()) {
    SetEnabled("btnTest", false);
    return;
  }
  // A second trial, or Done, while this one runs would pull the window from under it.
  EnableWindow(hWnd(), FALSE);
  DozIzevodoz::frontEnd().TryTaskRun(TrialRun(ids, CurrentTasks()));
  if (IsLoaded()) EnableWindow(hWnd(), TRUE);
}

}  // namespace editors
