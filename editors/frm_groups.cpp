#include "frm_groups.h"

#include <windows.h>

#include <algorithm>

#include "file_description.h"
#include "front_end.h"
#include "msg_box.h"
#include "program_icon.h"
#include "shared_state.h"
#include "task_store.h"
#include "text_compare.h"
#include "unsaved_work.h"

namespace editors {
namespace {

using rt::ControlKind;

constexpr const char* kWelcomeGroups =
    "Click the \"New Group\" button, or select a Group from the list on the left, then click the \"Edit Group\" "
    "or \"Delete Group\" button.";
constexpr const char* kWelcomeNoGroup = "Click the \"New Group\" button to create a new Task Group.";
constexpr const char* kNewGuidance =
    "Enter the new Group's Description, then add its Tasks to the list of \"Selected Tasks\".";
constexpr const char* kEditGuidance = "Edit the Group's information, then click the \"Save Changes\" button.";
constexpr const char* kNoTaskGuidance =
    "Drag and Drop a Program or Shortcut icon to the \"Available Tasks\" list to create a new task.";
constexpr const char* kDropHint =
    "Drag and Drop a Program or Shortcut icon to the \"Available Tasks\" list, to create a new task.";
constexpr const char* kDiscarded = "Changes to the Group's information have been discarded.";
constexpr const char* kDeleted = "The Group has been deleted.";
constexpr const char* kNotDeleted = "The Group was Not deleted.";

// The order buttons show arrows (the program runs with the UTF-8 code page).
constexpr rt::FontDesign kArrows{"Arial", 10};

constexpr rt::ControlDesign kControls[] = {
    {.name = "lblGroups", .kind = ControlKind::Label, .left = 240, .top = 120, .width = 2055, .height = 255,
     .caption = "Task &Groups:"},
    {.name = "lstGroups", .kind = ControlKind::ListBox, .left = 240, .top = 360, .width = 3735, .height = 1425,
     .toolTip = "Existing Task Groups..", .sorted = true},
    {.name = "btnNewGroup", .kind = ControlKind::CommandButton, .left = 4080, .top = 360, .width = 1455,
     .height = 375, .caption = "&New Group ...", .toolTip = "Create a New Task Group."},
    {.name = "btnEditGroup", .kind = ControlKind::CommandButton, .left = 4080, .top = 840, .width = 1455,
     .height = 375, .caption = "&Edit Group ...", .toolTip = "Edit Existing Task Group."},
    {.name = "btnDelGroup", .kind = ControlKind::CommandButton, .left = 4080, .top = 1320, .width = 1455,
     .height = 375, .caption = "&Delete Group ...", .toolTip = "Delete Existing Task Group."},
    {.name = "lblWelcome", .kind = ControlKind::Label, .left = 5640, .top = 360, .width = 3495, .height = 1575,
     .font = {"Arial", 10}},
    {.name = "fraGroup", .kind = ControlKind::Frame, .left = 240, .top = 2040, .width = 8895, .height = 3615,
     .caption = "Group &Info: "},
    {.name = "picGroup", .kind = ControlKind::PictureBox, .container = "fraGroup", .left = 120, .top = 240,
     .width = 8655, .height = 3255, .border = false},
    {.name = "Label2", .kind = ControlKind::Label, .container = "picGroup", .left = 480, .top = 120, .width = 1455,
     .height = 255, .caption = "&Description:"},
    {.name = "txtDesc", .kind = ControlKind::TextBox, .container = "picGroup", .left = 480, .top = 360,
     .width = 3495, .height = 285, .toolTip = "Unique Description of this Task Group", .maxLength = 32},
    {.name = "btnTasks", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 6840, .top = 600,
     .width = 1695, .height = 375, .caption = "Add/Edit &Tasks ...", .toolTip = "Add/Change/Delete Tasks."},
    {.name = "Label3", .kind = ControlKind::Label, .container = "picGroup", .left = 480, .top = 840, .width = 1935,
     .height = 255, .caption = "&Selected Tasks:"},
    {.name = "lstTasksSel", .kind = ControlKind::ListBox, .container = "picGroup", .left = 480, .top = 1080,
     .width = 3735, .height = 1620, .toolTip = "These Tasks will be Run as part of this Group.",
     .multiSelect = true},
    {.name = "Label4", .kind = ControlKind::Label, .container = "picGroup", .left = 4800, .top = 840, .width = 1575,
     .height = 255, .caption = "&Available Tasks:"},
    {.name = "lstTasksAvail", .kind = ControlKind::ListBox, .container = "picGroup", .left = 4800, .top = 1080,
     .width = 3735, .height = 1620, .toolTip = "These Tasks are not (yet) part of this Group.",
     .multiSelect = true, .acceptsFiles = true},
    {.name = "btnAddAll", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 4320, .top = 1080,
     .width = 375, .height = 255, .caption = "<<", .toolTip = "Move All Task(s) to Selected Tasks list."},
    {.name = "btnAddOne", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 4320, .top = 1440,
     .width = 375, .height = 255, .caption = "<", .toolTip = "Move Selected Task(s) to Selected Tasks list."},
    {.name = "btnRemOne", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 4320, .top = 2040,
     .width = 375, .height = 255, .caption = ">", .toolTip = "Remove Selected Task(s) from Selected Tasks list."},
    {.name = "btnRemAll", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 4320, .top = 2400,
     .width = 375, .height = 255, .caption = ">>", .toolTip = "Remove All Task(s) from Selected Tasks list."},
    {.name = "btnUp", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 120, .top = 1200,
     .width = 315, .height = 495, .caption = "\u25B2", .font = kArrows, .toolTip = "Move Selected Task Up"},
    {.name = "btnDown", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 120, .top = 2040,
     .width = 315, .height = 495, .caption = "\u25BC", .font = kArrows, .toolTip = "Move Selected Task Down."},
    {.name = "btnTest", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 480, .top = 2880,
     .width = 1695, .height = 375, .caption = "Test &Run Group ..."},
    {.name = "btnCancelGroup", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 5280,
     .top = 2880, .width = 1575, .height = 375, .caption = "&Cancel Changes",
     .toolTip = "Discard Changes to this Group."},
    {.name = "btnSaveGroup", .kind = ControlKind::CommandButton, .container = "picGroup", .left = 6960, .top = 2880,
     .width = 1575, .height = 375, .caption = "&Save Changes", .toolTip = "Save Changes to this Group."},
    {.name = "btnCancel", .kind = ControlKind::CommandButton, .left = 6960, .top = 5880, .width = 975,
     .height = 375, .caption = "&Cancel", .toolTip = "Close and Discard all changes made to Groups.",
     .isCancel = true},
    {.name = "btnDone", .kind = ControlKind::CommandButton, .left = 8160, .top = 5880, .width = 975, .height = 375,
     .caption = "&Done", .toolTip = "Close and Preserve all changes made to Groups.", .isDefault = true},
};

std::vector<int32_t> IdsOf(const rt::ListBox& list) {
  std::vector<int32_t> ids;
  for (int i = 0; i < list.ListCount(); ++i) ids.push_back(static_cast<int32_t>(list.ItemData(i)));
  return ids;
}

}  // namespace

std::vector<DozIzevodoz::TaskRecord> FrmGroups::CurrentTasks() { return DozIzevodoz::TasksInUse(); }

FrmGroups& frmGroups() {
  static FrmGroups form;
  return form;
}

void ShowGroupEditor() {
  FrmGroups& editor = frmGroups();
  if (!editor.IsLoaded()) {
    DozIzevodoz::LoadTasks();
    editor.groupFileUnread_ = DozIzevodoz::LoadGroups() == DozIzevodoz::LoadResult::Unreadable;
  }
  // Over the chooser, which must be on screen and placed for the dialog to centre on it.
  HWND chooser = DozIzevodoz::frontEnd().TaskChooserWindow();
  DozIzevodoz::frontEnd().ShowTaskChooser();
  DozIzevodoz::frontEnd().EnableTaskChooser(false);
  editor.Show(rt::ShowMode::Modeless, chooser);
}

rt::FormSettings FrmGroups::Settings() const {
  rt::FormSettings s;
  s.caption = "Add/Edit Tasks";
  s.clientWidth = 9315;
  s.clientHeight = 6420;
  s.border = rt::FormBorder::FixedSingle;
  s.maxButton = false;
  s.startPosition = rt::StartPosition::CenterOwner;
  s.icon = IDI_TARNWICK;
  s.controls = kControls;
  return s;
}

void FrmGroups::Form_Load() {
  SetCaption(std::string(kFileDescription) + " - Add/Edit Tasks");
  selGroupId_ = DozIzevodoz::frontEnd().TaskChooserCurrentId();
  model_.emplace(DozIzevodoz::InUse(DozIzevodoz::Groups, DozIzevodoz::GroupCount), DozIzevodoz::LastGroupId,
                 rt::TextEquals);
  groupIndex_ = -1;
  DispGroups();
  auto& list = Ctl<rt::ListBox>("lstGroups");
  const bool any = list.ListCount() > 0;
  SetEnabled("btnEditGroup", any);
  SetEnabled("btnDelGroup", any);
  for (int i = 0; i < list.ListCount(); ++i) {
    if (list.ItemData(i) == selGroupId_) {
      list.SetListIndex(i);
      break;
    }
  }
  SetGuidance(any ? kWelcomeGroups : kWelcomeNoGroup);
  Ctl<rt::Container>("fraGroup").SetVisible(false);
}

void FrmGroups::Form_Unload(int& cancel) {
  model_.reset();
  if (!rt::Quitting()) DozIzevodoz::frontEnd().EnableTaskChooser(true);
}

void FrmGroups::Form_QueryEnd(int& cancel) {
  const bool unsaved = model_ && (model_->Changed() || Ctl<rt::Container>("fraGroup").Visible());
  if (unsaved && !LetUnsavedWorkGo("group editor", hWnd())) cancel = 1;
}

void FrmGroups::SetEnabled(const char* name, bool on) { Ctl<rt::Control>(name).SetEnabled(on); }

void FrmGroups::SetGuidance(const std::string& text) {
  auto& label = Ctl<rt::Label>("lblWelcome");
  if (label.Caption() != text) label.SetCaption(text);
}

void FrmGroups::EnableTop(bool on) {
  for (const char* name : {"lblGroups", "lstGroups", "btnNewGroup", "btnEditGroup"}) SetEnabled(name, on);
  if (Ctl<rt::ListBox>("lstGroups").ListCount() > 0) {
    SetEnabled("btnDelGroup", on);
  } else {
    SetEnabled("btnEditGroup", false);
    SetEnabled("btnDelGroup", false);
  }
  SetEnabled("btnDone", on);
  SetEnabled("btnCancel", on);
  Ctl<rt::Container>("fraGroup").SetVisible(!on);
}

void FrmGroups::DispGroups() {
  auto& list = Ctl<rt::ListBox>("lstGroups");
  list.Clear();
  for (const DozIzevodoz::GroupRecord& group : model_->Groups()) {
    if (group.ID < 0) continue;
    list.SetItemData(list.AddItem(group.Desc), group.ID);
  }
}

void FrmGroups::ShowTaskLists(const TaskLists& lists) {
  auto& sel = Ctl<rt::ListBox>("lstTasksSel");
  auto& avail = Ctl<rt::ListBox>("lstTasksAvail");
  sel.Clear();
  avail.Clear();
  for (const TaskEntry& task : lists.selected) sel.SetItemData(sel.AddItem(task.desc), task.id);
  for (const TaskEntry& task : lists.available) avail.SetItemData(avail.AddItem(task.desc), task.id);
}

void FrmGroups::FirstAvailableCurrent(const char* guidance) {
  auto& avail = Ctl<rt::ListBox>("lstTasksAvail");
  if (avail.ListCount() > 0) {
    avail.SetListIndex(0);
    SetGuidance(guidance);
  } else {
    SetGuidance(kNoTaskGuidance);
  }
}

void FrmGroups::NewGroup() {
  Ctl<rt::TextBox>("txtDesc").SetText(model_->ProposedDesc());
  ShowTaskLists(model_->ListsFor(-1, CurrentTasks()));
  FirstAvailableCurrent(kNewGuidance);
  EnableMovers();
  groupIndex_ = -1;
  EnableTop(false);
}

void FrmGroups::EditGroup() {
  auto& list = Ctl<rt::ListBox>("lstGroups");
  if (list.ListIndex() < 0) {
    SetEnabled("btnEditGroup", false);
    return;
  }
  int32_t index = model_->IndexOfId(static_cast<int32_t>(list.ItemData(list.ListIndex())));
  if (index < 0) {
    SetEnabled("btnEditGroup", false);
    return;
  }
  groupIndex_ = index;
  Ctl<rt::TextBox>("txtDesc").SetText(model_->Groups()[index].Desc);
  // The group's own run order, which a save keeps.
  ShowTaskLists(model_->ListsFor(index, CurrentTasks()));
  FirstAvailableCurrent(kEditGuidance);
  EnableMovers();
  EnableTop(false);
}

void FrmGroups::DeleteGroup() {
  auto& list = Ctl<rt::ListBox>("lstGroups");
  const int current = list.ListIndex();
  if (current < 0) {
    SetEnabled("btnEditGroup", false);
    SetEnabled("btnDelGroup", false);
    return;
  }
  if (rt::MsgBox("Delete Task Group:\r\n\r\n\r\n" + list.List(current), MB_YESNO | MB_ICONQUESTION, kFileDescription,
                 hWnd()) != IDYES) {
    SetGuidance(kNotDeleted);
    return;
  }
  model_->Delete(static_cast<int32_t>(list.ItemData(current)));
  list.RemoveItem(current);
  if (list.ListCount() > 0) {
    list.SetListIndex(0);
  } else {
    SetEnabled("btnEditGroup", false);
    SetEnabled("btnDelGroup", false);
    list.SetListIndex(-1);
  }
  SetGuidance(kDeleted);
}

void FrmGroups::CancelGroup() {
  SetGuidance(kDiscarded);
  EnableTop(true);
}

std::vector<int32_t> FrmGroups::SelectedTaskIds() { return IdsOf(Ctl<rt::ListBox>("lstTasksSel")); }

void FrmGroups::Cancel() {
  DozIzevodoz::LoadGroups();
  // Enabled before this dialog hides, so that the chooser, not another program, comes to the front.
  DozIzevodoz::frontEnd().EnableTaskChooser(true);
  Hide();
  DozIzevodoz::frontEnd().ShowTaskChooser();
  Unload();
}

void FrmGroups::Control_Click(rt::Control& sender) {
  const std::string& name = sender.Name();
  if (name == "lstGroups") {
    const bool current = Ctl<rt::ListBox>("lstGroups").ListIndex() >= 0;
    SetEnabled("btnEditGroup", current);
    SetEnabled("btnDelGroup", current);
  } else if (name == "lstTasksAvail" || name == "lstTasksSel") {
    EnableMovers();
  } else if (name == "btnNewGroup") {
    NewGroup();
  } else if (name == "btnEditGroup") {
    EditGroup();
  } else if (name == "btnDelGroup") {
    DeleteGroup();
  } else if (name == "btnCancelGroup") {
    CancelGroup();
  } else if (name == "btnSaveGroup") {
    SaveGroup();
  } else if (name == "btnDone") {
    Done();
  } else if (name == "btnCancel") {
    Cancel();
  } else if (name == "btnAddAll") {
    MoveAll("lstTasksAvail", "lstTasksSel");
  } else if (name == "btnAddOne") {
    MoveChosen("lstTasksAvail", "lstTasksSel");
  } else if (name == "btnRemOne") {
    MoveChosen("lstTasksSel", "lstTasksAvail");
  } else if (name == "btnRemAll") {
    MoveAll("lstTasksSel", "lstTasksAvail");
  } else if (name == "btnUp") {
    MoveSelectedTask(-1);
  } else if (name == "btnDown") {
    MoveSelectedTask(+1);
  } else if (name == "btnTasks") {
    OpenTaskEditor();
  } else if (name == "btnTest") {
    TestGroup();
  }
}

void FrmGroups::Control_DblClick(rt::Control& sender) {
  const std::string& name = sender.Name();
  if (name == "lstGroups") {
    if (Ctl<rt::ListBox>("lstGroups").ListIndex() >= 0) EditGroup();
    else Ctl<rt::Container>("fraGroup").SetVisible(false);
  } else if (name == "lstTasksAvail") {
    MoveChosen("lstTasksAvail", "lstTasksSel");
  } else if (name == "lstTasksSel") {
    MoveChosen("lstTasksSel", "lstTasksAvail");
  }
}

void FrmGroups::Control_MouseMove(rt::Control& sender, int, int, double, double) {
  if (sender.Name() == "lstTasksAvail") SetGuidance(kDropHint);
}

void FrmGroups::Control_OLEDragDrop(rt::Control& sender, const std::vector<std::string>& files) {
  if (sender.Name() == "lstTasksAvail" && !files.empty()) DropOnAvailable(files.front());
}

}  // namespace editors
