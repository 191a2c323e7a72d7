#include "frm_prog.h"

#include <optional>

#include "app.h"
#include "dialog_settings.h"
#include "frm_cancel_message.h"
#include "message_loop.h"
#include "msg_box.h"
#include "platform_utils.h"
#include "process.h"
#include "shared_state.h"
#include "task_file.h"
#include "text_compare.h"

namespace tray {
namespace {

using rt::ControlKind;

constexpr int kCancelKeyId = 11;
constexpr char kWaitingFirst[] = "Waiting ...";
constexpr char kWaiting[] = "Waiting.....";
constexpr char kRunning[] = "Running ...";
constexpr char kFinished[] = "Finished";

constexpr rt::ControlDesign kControls[] = {
    {.name = "Label1", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 1800, .height = 375,
     .caption = "Running Task:", .font = {"Arial", 12}, .toolTip = "Lists running task"},
    {.name = "lblGroup", .kind = ControlKind::Label, .left = 1920, .top = 120, .width = 4260, .height = 375,
     .caption = "Progress of Shutdown", .font = {"Arial", 12}},
    {.name = "lvTasks", .kind = ControlKind::ListView, .left = 120, .top = 600, .width = 6060, .height = 3120,
     .toolTip = "List of jobs to be run", .tabIndex = 1, .columns = "Status:1500|Task:4300"},
    {.name = "Command1", .kind = ControlKind::CommandButton, .left = 2160, .top = 3900, .width = 1980,
     .height = 450, .caption = "Cancel All Tasks", .toolTip = "Will cancel all running tasks and shutdown event",
     .tabIndex = 0},
};

std::vector<std::string> SplitList(const std::string& list) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t bar = list.find(';', start);
    parts.push_back(list.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) return parts;
    start = bar + 1;
  }
}

// The name that stands for an ID list with an entry that is no task number: the name at that
// entry's place, or the whole name list when it is shorter; none when every entry is a number.
std::optional<std::string> NameOfBadId(const DozIzevodoz::TaskRun& run) {
  if (run.idList.empty()) return std::nullopt;
  const std::vector<std::string> ids = SplitList(run.idList);
  const std::vector<std::string> names = SplitList(run.nameList);
  for (size_t i = 0; i < ids.size(); ++i)
    if (!DozIzevodoz::ParseWholeNumber(ids[i])) return i < names.size() ? names[i] : run.nameList;
  return std::nullopt;
}

}  // namespace

FrmProg& frmProg() {
  static FrmProg form;
  return form;
}

rt::FormSettings FrmProg::Settings() const {
  rt::FormSettings s = DialogSettings(6300, 4500);
  s.caption = "Moxbel Tarnwick";
  s.controls = kControls;
  return s;
}

void FrmProg::Form_Load() { DozIzevodoz::RemoveCloseMenu(*this); }

void FrmProg::Form_Unload(int&) {
  if (DozIzevodoz::CancelKeyRegistered) UnregisterHotKey(hWnd(), kCancelKeyId);
  run_ = {};
}

void FrmProg::FillRows(const char* status) {
  auto& rows = Ctl<rt::ListView>("lvTasks");
  rows.Clear();
  for (const DozIzevodoz::TaskRecord& task : run_.tasks) rows.SetCell(rows.AddRow(status), 2, task.Desc);
}

void FrmProg::SetStatus(int row, const char* status) { Ctl<rt::ListView>("lvTasks").SetCell(row, 1, status); }

bool FrmProg::LoadTaskIDs(const DozIzevodoz::TaskRun& run) {
  run_ = run;
  FillRows(kWaitingFirst);
  return false;
}

bool FrmProg::ReloadRows(const DozIzevodoz::TaskRun& run) {
  // A list names its tasks by ID, or else by description. A description may hold any character, the
  // separator included, so the names of a list the engine made from its tasks may not split back.
  bool matched = false;
  for (const std::string& id : SplitList(run.idList)) {
    const std::optional<int32_t> number = DozIzevodoz::ParseWholeNumber(id);
    for (const DozIzevodoz::TaskRecord& task : run.tasks) matched = matched || (number && *number == task.ID);
  }
  for (const std::string& name : SplitList(run.nameList))
    for (const DozIzevodoz::TaskRecord& task : run.tasks) matched = matched || rt::TextEquals(name, task.Desc);
  if (!matched) {
    rt::MsgBox("Invalid Task List:\r\n" + run.nameList, MB_OK | MB_ICONERROR, rt::App().FileDescription);
    return false;
  }
  run_ = run;
  FillRows(kWaiting);
  // The rows stand for the run's tasks whatever the list says, but a list that is not all task
  // numbers was not made from them.
  if (std::optional<std::string> bad = NameOfBadId(run))
    rt::MsgBox("Invalid Task List in Task Group:\r\n" + *bad, MB_OK | MB_ICONERROR, rt::App().FileDescription);
  return true;
}

void FrmProg::RunAll() {
  // The run holds the engine's snapshot: each listed task runs once, and row i is task i, so
  // neither a duplicate ID nor an ID without a task can run a task twice or mark the wrong row.
  const DozIzevodoz::TaskRun run = run_;
  for (size_t i = 0; i < run.tasks.size(); ++i) {
    if (DozIzevodoz::CancelTasks || !IsLoaded()) return;
    const DozIzevodoz::TaskRecord& task = run.tasks[i];
    const int row = static_cast<int>(i) + 1;
    if (run.everyTask || DozIzevodoz::IsTiedTo(task, run.actionName)) {
      SetStatus(row, kRunning);
      Ctl<rt::Label>("lblGroup").SetCaption(task.Desc);
      rt::DoEvents();
      Process::ExecPoll(task.Prog, task.Args, task.Dir, task.WinStyle);
      // A cancel unloads this window; nothing of it may be touched (or loaded again) after that.
      if (DozIzevodoz::CancelTasks || !IsLoaded()) return;
    }
    SetStatus(row, kFinished);
  }
}

void FrmProg::CancelAll() {
  DozIzevodoz::CancelTasks = true;
  Hide();
  frmCancelMessage().StartCancelWait();
  Unload();
}

void FrmProg::Control_Click(rt::Control& sender) {
  if (sender.Is("Command1")) CancelAll();
}

}  // namespace tray
