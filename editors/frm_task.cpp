#include "frm_task.h"

#include <windows.h>

#include <utility>

#include "ascii_text.h"
#include "file_description.h"
#include "folder.h"
#include "front_end.h"
#include "help_file.h"
#include "help_pictures.h"
#include "msg_box.h"
#include "platform_utils.h"
#include "program_icon.h"
#include "shared_copy.h"
#include "shared_state.h"
#include "task_store.h"
#include "text_compare.h"
#include "unsaved_work.h"

namespace editors {
namespace {

using rt::ControlKind;

constexpr rt::ControlDesign kControls[] = {
    {.name = "lblTasks", .kind = ControlKind::Label, .left = 240, .top = 120, .width = 2295, .height = 255,
     .caption = "List of All Tasks"},
    {.name = "lstTasks", .kind = ControlKind::ListBox, .left = 240, .top = 360, .width = 4455, .height = 1425,
     .toolTip = "List of tasks", .sorted = true, .acceptsFiles = true},
    {.name = "btnNewTask", .kind = ControlKind::CommandButton, .left = 5040, .top = 480, .width = 1455,
     .height = 375, .caption = "New Task", .toolTip = "Click to create a new task"},
    {.name = "btnEditTask", .kind = ControlKind::CommandButton, .left = 5040, .top = 1440, .width = 1455,
     .height = 375, .caption = "Edit Task", .toolTip = "Click to edit a task"},
    {.name = "btnDelTask", .kind = ControlKind::CommandButton, .left = 5040, .top = 960, .width = 1455,
     .height = 375, .caption = "Delete Task", .toolTip = "Click to delete a task"},
    {.name = "btnDone", .kind = ControlKind::CommandButton, .left = 5280, .top = 6000, .width = 1175, .height = 375,
     .caption = "Finished", .toolTip = "Close and preserve all changes made to tasks"},
    {.name = "btnCancel", .kind = ControlKind::CommandButton, .left = 3960, .top = 6000, .width = 1175,
     .height = 375, .caption = "Return", .toolTip = "Close and discard all changes made to tasks"},
    {.name = "fraTask", .kind = ControlKind::Frame, .left = 240, .top = 2040, .width = 6375, .height = 3855,
     .caption = "Program Task Information ", .acceptsFiles = true},
    {.name = "picTask", .kind = ControlKind::PictureBox, .container = "fraTask", .left = 120, .top = 240,
     .width = 6135, .height = 3495, .border = false, .acceptsFiles = true},
    {.name = "lblDesc", .kind = ControlKind::Label, .container = "picTask", .left = 120, .top = 120, .width = 1935,
     .height = 255, .caption = "Program Description", .acceptsFiles = true},
    {.name = "txtDesc", .kind = ControlKind::TextBox, .container = "picTask", .left = 120, .top = 360,
     .width = 3495, .height = 285, .toolTip = "Description of the task", .maxLength = 32, .acceptsFiles = true},
    {.name = "lblProg", .kind = ControlKind::Label, .container = "picTask", .left = 120, .top = 840, .width = 2055,
     .height = 255, .caption = "Program Path", .acceptsFiles = true},
    {.name = "txtProg", .kind = ControlKind::TextBox, .container = "picTask", .left = 120, .top = 1080,
     .width = 4695, .height = 285, .toolTip = "Program that will run when this task is run", .acceptsFiles = true},
    {.name = "btnBrowseProg", .kind = ControlKind::CommandButton, .container = "picTask", .left = 5040,
     .top = 1080, .width = 975, .height = 285, .caption = "&Browse", .toolTip = "Select Program."},
    {.name = "lblArgs", .kind = ControlKind::Label, .container = "picTask", .left = 120, .top = 1560, .width = 1815,
     .height = 255, .caption = "Program Parameters"},
    {.name = "txtArgs", .kind = ControlKind::TextBox, .container = "picTask", .left = 120, .top = 1800,
     .width = 4695, .height = 285, .toolTip = "Any parameters to be passed to the task when run"},
    {.name = "Label4", .kind = ControlKind::Label, .container = "picTask", .left = 960, .top = 720, .width = 2415,
     .height = 255, .caption = "Start In Directory", .visible = false},
    {.name = "txtDir", .kind = ControlKind::TextBox, .container = "picTask", .left = 2160, .top = 720,
     .width = 4695, .height = 285, .toolTip = "The directory of the task", .visible = false},
    {.name = "Label5", .kind = ControlKind::Label, .container = "picTask", .left = 4200, .top = 0, .width = 1695,
     .height = 255, .caption = "Window State On Run"},
    {.name = "cboWS", .kind = ControlKind::ComboBox, .container = "picTask", .left = 4080, .top = 360,
     .width = 1935, .height = 315, .toolTip = "Initial state of the programs main window"},
    {.name = "Label1", .kind = ControlKind::Label, .container = "picTask", .left = 720, .top = 3120, .width = 4335,
     .height = 495, .caption = "Select the shutdown option you want this task to run with."},
    // The check boxes belong to the form and lie over the frame; Form_Load raises them above it.
    {.name = "ckShutdown", .kind = ControlKind::CheckBox, .left = 960, .top = 4560, .width = 1215, .height = 255,
     .caption = "Shutdown"},
    {.name = "ckPowerOff", .kind = ControlKind::CheckBox, .left = 2640, .top = 4560, .width = 1215, .height = 375,
     .caption = "PowerOff"},
    {.name = "ckReboot", .kind = ControlKind::CheckBox, .left = 2640, .top = 5040, .width = 1215, .height = 255,
     .caption = "Reboot"},
    {.name = "ckLogOff", .kind = ControlKind::CheckBox, .left = 960, .top = 4920, .width = 975, .height = 255,
     .caption = "LogOff"},
    {.name = "ckSuspend", .kind = ControlKind::CheckBox, .left = 4680, .top = 4560, .width = 1335, .height = 375,
     .caption = "Suspend"},
    {.name = "ckHibernate", .kind = ControlKind::CheckBox, .left = 4680, .top = 5040, .width = 1335, .height = 255,
     .caption = "Hibernate"},
    {.name = "btnSaveTask", .kind = ControlKind::CommandButton, .left = 2160, .top = 6000, .width = 1575,
     .height = 375, .caption = "Save Changes", .toolTip = "Save changes to this task"},
    {.name = "btnCancelTask", .kind = ControlKind::CommandButton, .left = 360, .top = 6000, .width = 1575,
     .height = 375, .caption = "Cancel Changes", .toolTip = "Discard changes to this task"},
    {.name = "Image1", .kind = ControlKind::Image, .left = 5520, .top = 0, .width = 480, .height = 480,
     .picture = {rt::PictureDesign::Kind::Icon, IDI_HELP}},
};

// In the order of ActionBox.
constexpr const char* kBoxNames[kActionBoxCount] = {"ckShutdown", "ckPowerOff", "ckReboot",
                                                    "ckLogOff",   "ckSuspend",  "ckHibernate"};

constexpr struct {
  const char* text;
  int32_t winStyle;
} kWinStyles[] = {{"Normal", 1}, {"Maximized", 3}, {"Minimized", 6}, {"Hidden", 0}};

// The shell gives a drop only to a window that accepts files; a message sent to any other is no drop.
bool AcceptsDrops(const rt::Control& control) {
  for (const rt::ControlDesign& design : kControls)
    if (control.Name() == design.name) return design.acceptsFiles;
  return false;
}

}  // namespace

FrmTask& frmTask() {
  static FrmTask form;
  return form;
}

void ShowTaskEditor() { frmTask().Show(); }

rt::FormSettings FrmTask::Settings() const {
  rt::FormSettings s;
  s.caption = "Add or Edit Tasks";
  s.clientWidth = 6840;
  s.clientHeight = 6420;
  s.border = rt::FormBorder::FixedSingle;
  s.maxButton = false;
  s.startPosition = rt::StartPosition::CenterOwner;
  s.icon = IDI_TARNWICK;
  s.acceptsFiles = true;
  s.controls = kControls;
  return s;
}

void FrmTask::Form_Load() {
  // The check boxes lie on the frame without belonging to it: they go above it, and the frame
  // must not paint over them.
  HWND frame = Ctl<rt::Container>("fraTask").hWnd();
  SetWindowLongPtrA(frame, GWL_STYLE, GetWindowLongPtrA(frame, GWL_STYLE) | WS_CLIPSIBLINGS);
  for (const char* box : kBoxNames)
    SetWindowPos(Ctl<rt::CheckBox>(box).hWnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  DozIzevodoz::RemoveCloseMenu(*this);
  SetCaption("Moxbel Tarnwick - Add or Edit Tasks");
  auto& cbo = Ctl<rt::ComboBox>("cboWS");
  for (const auto& style : kWinStyles) {
    cbo.AddItem(style.text);
    cbo.SetItemData(cbo.NewIndex(), style.winStyle);
  }
  cbo.SetListIndex(0);
  taskFileUnread_ = DozIzevodoz::LoadTasks() == DozIzevodoz::LoadResult::Unreadable;
  model_.emplace(DozIzevodoz::InUse(DozIzevodoz::Tasks, DozIzevodoz::TaskCount), DozIzevodoz::LastTaskId,
                 rt::TextEquals);
  auto& list = Ctl<rt::ListBox>("lstTasks");
  for (const auto& task : model_->Tasks()) {
    if (task.ID < 0) continue;
    list.AddItem(task.Desc);
    list.SetItemData(list.NewIndex(), task.ID);
  }
  EnableEditAndDelete(list.ListCount() > 0);
  if (list.ListCount() > 0) list.SetListIndex(0);
  model_->SetTaskIndex(-1);
}

void FrmTask::Form_QueryUnload(int& cancel, rt::UnloadMode mode) {
  // Close is off the menu, but Alt+F4 still closes: it leaves as "Return" does.
  if (mode == rt::UnloadMode::FormControlMenu) DozIzevodoz::LoadTasks();
}

void FrmTask::Form_Unload(int& cancel) {
  model_.reset();
  std::function<void()> back = std::exchange(back_, nullptr);
  // While the program ends, bringing the chooser back would keep a window without a tray icon.
  if (rt::Quitting()) return;
  if (back) back();
  else DozIzevodoz::frontEnd().ShowTaskChooser();
}

void FrmTask::Form_QueryEnd(int& cancel) {
  // Work the user has not saved: a Save or a Delete since the load, or anything in the fields.
  bool typed = false;
  for (const char* box : {"txtDesc", "txtProg", "txtArgs"}) typed = typed || !Ctl<rt::TextBox>(box).Text().empty();
  for (const char* box : kBoxNames) typed = typed || Ctl<rt::CheckBox>(box).Value() != 0;
  if (model_ && (model_->Changed() || typed) && !LetUnsavedWorkGo("task editor", hWnd())) cancel = 1;
}

void FrmTask::EnableEditAndDelete(bool enable) {
  Ctl<rt::CommandButton>("btnEditTask").SetEnabled(enable);
  Ctl<rt::CommandButton>("btnDelTask").SetEnabled(enable);
}

void FrmTask::EnableTop(bool enable) {
  Ctl<rt::Label>("lblTasks").SetEnabled(enable);
  Ctl<rt::ListBox>("lstTasks").SetEnabled(enable);
  Ctl<rt::CommandButton>("btnNewTask").SetEnabled(enable);
  EnableEditAndDelete(enable && Ctl<rt::ListBox>("lstTasks").ListCount() > 0);
  Ctl<rt::CommandButton>("btnDone").SetEnabled(enable);
  Ctl<rt::CommandButton>("btnCancel").SetEnabled(enable);
}

void FrmTask::SelectWinStyle(int32_t winStyle) {
  auto& cbo = Ctl<rt::ComboBox>("cboWS");
  cbo.SetListIndex(0);
  for (int i = 0; i < cbo.ListCount(); ++i)
    if (cbo.ItemData(i) == winStyle) cbo.SetListIndex(i);
}

TaskFields FrmTask::Fields() {
  TaskFields f;
  f.desc = Ctl<rt::TextBox>("txtDesc").Text();
  f.prog = Ctl<rt::TextBox>("txtProg").Text();
  f.args = Ctl<rt::TextBox>("txtArgs").Text();
  f.dir = Ctl<rt::TextBox>("txtDir").Text();
  auto& cbo = Ctl<rt::ComboBox>("cboWS");
  f.winStyle = cbo.ListIndex() >= 0 ? static_cast<int32_t>(cbo.ItemData(cbo.ListIndex())) : DozIzevodoz::kNormalWinStyle;
  for (int i = 0; i < kActionBoxCount; ++i) f.boxes[i] = Ctl<rt::CheckBox>(kBoxNames[i]).Value() == 1;
  return f;
}

void FrmTask::ClearLowerHalf() {
  Ctl<rt::TextBox>("txtDesc").SetText("");
  Ctl<rt::TextBox>("txtProg").SetText("");
  Ctl<rt::TextBox>("txtArgs").SetText("");
  for (const char* box : kBoxNames) Ctl<rt::CheckBox>(box).SetValue(0);
}

void FrmTask::NewTask() {
  auto& desc = Ctl<rt::TextBox>("txtDesc");
  desc.SetText("Task " + std::to_string(Ctl<rt::ListBox>("lstTasks").ListCount() + 1));
  Ctl<rt::TextBox>("txtProg").SetText("");
  Ctl<rt::TextBox>("txtArgs").SetText("");
  Ctl<rt::TextBox>("txtDir").SetText("");
  Ctl<rt::ComboBox>("cboWS").SetListIndex(0);
  model_->SetTaskIndex(-1);
  EnableTop(false);
  desc.SetSelStart(0);
  desc.SetSelLength(static_cast<int>(desc.Text().size()));
  if (IsWindowVisible(hWnd())) SetFocus(desc.hWnd());
}

void FrmTask::EditTask() {
  auto& list = Ctl<rt::ListBox>("lstTasks");
  auto& edit = Ctl<rt::CommandButton>("btnEditTask");
  if (list.ListIndex() < 0) {
    edit.SetEnabled(false);
    return;
  }
  int32_t index = model_->IndexOfId(static_cast<int32_t>(list.ItemData(list.ListIndex())));
  if (index < 0) {
    edit.SetEnabled(false);
    return;
  }
  model_->SetTaskIndex(index);
  const DozIzevodoz::TaskRecord& task = model_->Tasks()[index];
  Ctl<rt::TextBox>("txtDesc").SetText(task.Desc);
  Ctl<rt::TextBox>("txtProg").SetText(task.Prog);
  Ctl<rt::TextBox>("txtArgs").SetText(task.Args);
  // A stored folder that has gone would fail every Save, with a message about a box the user
  // cannot see: the program's own folder takes its place, as it would for a new task, and none
  // when that has gone as well.
  std::string dir = task.Dir;
  if (!rt::TrimBlanks(dir).empty()) dir = DefaultWorkDir(dir, task.Prog, Folder::FolderExists);
  Ctl<rt::TextBox>("txtDir").SetText(dir);
  std::array<bool, kActionBoxCount> boxes = BoxesFor(task.Actions);
  for (int i = 0; i < kActionBoxCount; ++i) Ctl<rt::CheckBox>(kBoxNames[i]).SetValue(boxes[i] ? 1 : 0);
  SelectWinStyle(task.WinStyle);
  EnableTop(false);
}

void FrmTask::DeleteTask() {
  auto& list = Ctl<rt::ListBox>("lstTasks");
  int selected = list.ListIndex();
  if (selected < 0) {
    EnableEditAndDelete(false);
    return;
  }
  std::string name = list.List(selected);
  if (rt::MsgBox("Delete Task:\r\n\r\n\r\n" + name, MB_YESNO | MB_ICONQUESTION, kFileDescription, hWnd()) != IDYES)
    return;
  model_->Delete(static_cast<int32_t>(list.ItemData(selected)));
  list.RemoveItem(selected);
  if (list.ListCount() > 0) {
    list.SetListIndex(0);
  } else {
    EnableEditAndDelete(false);
    list.SetListIndex(-1);
  }
}

void FrmTask::CancelTask() {
  ClearLowerHalf();
  EnableTop(true);
  // Browsing again after a cancel must not leave a record ready to be overwritten.
  model_->SetTaskIndex(-1);
  Ctl<rt::TextBox>("txtDir").SetText("");
}

void FrmTask::SaveTask() {
  TaskFields fields = Fields();
  std::string problem = model_->Check(fields, Folder::FolderExists);
  if (!problem.empty()) {
    rt::MsgBox(problem, MB_OK | MB_ICONEXCLAMATION, kFileDescription, hWnd());
    return;
  }
  TaskEditorModel::SaveResult saved = model_->Save(fields);
  auto& list = Ctl<rt::ListBox>("lstTasks");
  if (saved.added) {
    list.AddItem(saved.desc);
    list.SetItemData(list.NewIndex(), saved.id);
    list.SetListIndex(list.NewIndex());
  }
  for (int i = 0; i < list.ListCount(); ++i)
    if (list.ItemData(i) == saved.id) list.SetList(i, saved.desc);
  ClearLowerHalf();
  EnableTop(true);
  Ctl<rt::TextBox>("txtDir").SetText("");
}

void FrmTask::CloseKeepingChanges() {
  // The list started empty only because the file could not be read: writing it would wipe it.
  if (taskFileUnread_) {
    ReportUnreadFileKept("task", DozIzevodoz::TaskFilePath(), hWnd());
    return;
  }
  if (!CommitCopy<DozIzevodoz::TaskRecord>({DozIzevodoz::Tasks, DozIzevodoz::TaskCount, DozIzevodoz::LastTaskId},
                                           model_->Tasks(), model_->LastTaskId(), &DozIzevodoz::SaveTasks, "tasks",
                                           DozIzevodoz::TaskFilePath(), hWnd()))
    return;
  DozIzevodoz::LoadTasks();
  std::vector<std::string> descriptions;
  for (const DozIzevodoz::TaskRecord& task : DozIzevodoz::InUse(DozIzevodoz::Tasks, DozIzevodoz::TaskCount))
    descriptions.push_back(task.Desc);
  DozIzevodoz::frontEnd().RefillTaskChooser(descriptions);
  Hide();
  Unload();
}

void FrmTask::CloseDiscardingChanges() {
  DozIzevodoz::LoadTasks();
  Hide();
  Unload();
}

void FrmTask::ShowHelp() {
  DozIzevodoz::OpenHelpFile(hWnd());
}

void FrmTask::Form_OLEDragDrop(const std::vector<std::string>& files) {
  if (!files.empty()) ProcessDrop(files.front());
}

void FrmTask::Control_OLEDragDrop(rt::Control& sender, const std::vector<std::string>& files) {
  if (AcceptsDrops(sender) && !files.empty()) ProcessDrop(files.front());
}

void FrmTask::Control_Click(rt::Control& sender) {
  const std::string& name = sender.Name();
  if (name == "lstTasks") {
    EnableEditAndDelete(Ctl<rt::ListBox>("lstTasks").ListIndex() >= 0);
  } else if (name == "btnNewTask") {
    NewTask();
  } else if (name == "btnEditTask") {
    EditTask();
  } else if (name == "btnDelTask") {
    DeleteTask();
  } else if (name == "btnCancelTask") {
    CancelTask();
  } else if (name == "btnSaveTask") {
    SaveTask();
  } else if (name == "btnDone") {
    CloseKeepingChanges();
  } else if (name == "btnCancel") {
    CloseDiscardingChanges();
  } else if (name == "btnBrowseProg") {
    BrowseProgram();
  } else if (name == "Image1") {
    ShowHelp();
  }
}

void FrmTask::Control_DblClick(rt::Control& sender) {
  if (sender.Name() != "lstTasks") return;
  if (Ctl<rt::ListBox>("lstTasks").ListIndex() >= 0) EditTask();
  else Ctl<rt::Container>("fraTask").SetVisible(false);
}

void FrmTask::Control_LostFocus(rt::Control& sender) {
  if (sender.Name() == "txtProg") ApplyDefaultWorkDir();
}

}  // namespace editors
