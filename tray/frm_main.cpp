#include "frm_main.h"

#include "error_report.h"
#include "help_file.h"
#include "mod_registry.h"
#include "platform_utils.h"
#include "power_capabilities.h"
#include "program_settings.h"
#include "shared_state.h"
#include "task_store.h"
#include "dialog_settings.h"
#include "text_compare.h"
#include "tray_resources.h"

namespace tray {
namespace {

using rt::ControlKind;

TaskEditorOpener g_taskEditorOpener = nullptr;

// btnClose lies on the frame's lower edge without belonging to it; the load raises it above the
// frame, which would otherwise hide it (a later control is not above an earlier one by itself).
constexpr rt::ControlDesign kControls[] = {
    {.name = "lblWelcome", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 4455, .height = 375,
     .caption = "List of tasks to be run at shutddown", .font = {"Arial", 12, true}, .transparent = true},
    {.name = "fraGroups", .kind = ControlKind::Frame, .left = 120, .top = 480, .width = 4095, .height = 3255,
     .toolTip = "Programs to be run before Shutdown"},
    {.name = "Picture2", .kind = ControlKind::PictureBox, .container = "fraGroups", .left = 120, .top = 240,
     .width = 3855, .height = 2895, .border = false},
    {.name = "optNone", .kind = ControlKind::OptionButton, .container = "Picture2", .left = 120, .top = 120,
     .width = 1815, .height = 255, .caption = "Do Not Run",
     .toolTip = "Do not run any tasks before shutting down, powering off, etc.", .tabIndex = 0, .value = 1},
    {.name = "optGroup", .kind = ControlKind::OptionButton, .container = "Picture2", .left = 120, .top = 480,
     .width = 2175, .height = 255, .caption = "Run Tasks",
     .toolTip = "Run all Tasks in Selected Group, immediately before shutting down, powering off, etc.",
     .tabIndex = 1},
    {.name = "lstGroups", .kind = ControlKind::ListBox, .container = "Picture2", .left = 0, .top = 840,
     .width = 3855, .height = 1230, .toolTip = "Available Task Groups.", .enabled = false, .tabIndex = 2,
     .sorted = true, .multiSelect = true},
    {.name = "lblTaskCnt", .kind = ControlKind::Label, .container = "Picture2", .left = 360, .top = 2160,
     .width = 2775, .height = 255, .caption = "0 Tasks in List", .enabled = false, .transparent = true},
    {.name = "btnManage", .kind = ControlKind::CommandButton, .container = "Picture2", .left = 2160, .top = 2520,
     .width = 1575, .height = 375, .caption = "Add/Edit Tasks", .toolTip = "Add/Change/Delete Task Groups.",
     .tabIndex = 3},
    {.name = "Image1", .kind = ControlKind::Image, .container = "Picture2", .left = 2760, .top = 120,
     .width = 480, .height = 480, .picture = {rt::PictureDesign::Kind::Icon, IDI_CHOOSER_HELP}},
    {.name = "List1", .kind = ControlKind::ListBox, .container = "Picture2", .left = 1200, .top = 240,
     .width = 1215, .height = 645, .visible = false},
    {.name = "btnClose", .kind = ControlKind::CommandButton, .left = 240, .top = 3240, .width = 1575,
     .height = 375, .caption = "Close", .toolTip = "Close this form", .tabIndex = 4},
};

void WriteRunTasks(const char* value) {
  DozIzevodoz::WriteSetting("RunTasks", value);
}

// The Desc of the first task in use, in array order, that is not deleted and has one.
std::string FirstTaskDesc() {
  for (const DozIzevodoz::TaskRecord& task : DozIzevodoz::InUse(DozIzevodoz::Tasks, DozIzevodoz::TaskCount))
    if (task.ID >= 0 && !task.Desc.empty()) return task.Desc;
  return {};
}


}  // namespace

FrmMain& frmMain() {
  static FrmMain form;
  return form;
}

void SetTaskEditorOpener(TaskEditorOpener opener) { g_taskEditorOpener = opener; }

rt::FormSettings FrmMain::Settings() const {
  rt::FormSettings s = DialogSettings(4350, 3765);
  s.caption = "Moxbel Tarnwick";
  s.controls = kControls;
  return s;
}

void FrmMain::Form_Load() {
  rt::SkipOnError([&] {
    SetWindowPos(Ctl<rt::CommandButton>("btnClose").hWnd(), HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  });
  rt::SkipOnError([&] { Ctl<rt::CommandButton>("btnClose").SetFontName("Arial"); });
  FillFromSettings();
  rt::SkipOnError([&] { DozIzevodoz::RemoveCloseMenu(*this); });
}

void FrmMain::FillFromSettings() {
  rt::SkipOnError([] { DozIzevodoz::EnableOptions(); });
  rt::SkipOnError([] { DozIzevodoz::LoadTasks(); });
  std::string runTasks;
  rt::SkipOnError([&] { runTasks = DozIzevodoz::ReadSetting("RunTasks"); });
  rt::SkipOnError([&] { DispGroups(runTasks == "Yes" ? FirstTaskDesc() : std::string()); });
}

void FrmMain::ShowAfresh() {
  // The shutdown engine loads the chooser hidden for its list of tasks to run; that window must
  // not be unloaded under it, so it is filled again as a fresh load would fill it.
  if (IsLoaded() && !Visible()) FillFromSettings();
  Show();
}

void FrmMain::SetListEnabled(bool enabled) {
  lstGroups().SetEnabled(enabled);
  Ctl<rt::Label>("lblTaskCnt").SetEnabled(enabled);
}

void FrmMain::ShowTaskCount() {
  Ctl<rt::Label>("lblTaskCnt").SetCaption(std::to_string(lstGroups().ListCount()) + " Tasks in List");
}

void FrmMain::ShowEditedTasks(const std::vector<std::string>& descriptions) {
  rt::Trap("frmMain", "ShowEditedTasks", [&] {
    rt::ListBox& list = lstGroups();
    list.Clear();
    for (const std::string& desc : descriptions) list.AddItem(desc);
    Ctl<rt::OptionButton>("optGroup").SetEnabled(list.ListCount() > 0);
    ShowTaskCount();
  });
}

void FrmMain::DispGroups(const std::string& desc) {
  rt::Trap("frmMain", "DispGroups", [&] {
    rt::ListBox& list = lstGroups();
    list.Clear();
    for (const DozIzevodoz::TaskRecord& task : DozIzevodoz::InUse(DozIzevodoz::Tasks, DozIzevodoz::TaskCount)) {
      if (task.ID < 0) continue;
      list.SetItemData(list.AddItem(task.Desc), task.ID);
    }
    auto& optGroup = Ctl<rt::OptionButton>("optGroup");
    auto& optNone = Ctl<rt::OptionButton>("optNone");
    const int count = list.ListCount();
    if (!desc.empty() && count > 0) {
      int found = -1;
      for (int i = 0; i < count && found < 0; ++i)
        if (rt::TextEquals(list.List(i), desc)) found = i;
      if (found >= 0) {
        optGroup.SetValue(true);
        list.SetListIndex(found);
      } else {
        list.SetListIndex(0);
      }
    } else {
      optNone.SetValue(true);
    }
    if (count > 0) {
      optGroup.SetEnabled(true);
      SetListEnabled(optGroup.Value());
      if (optGroup.Value() && list.ListIndex() < 0) list.SetListIndex(0);
    } else {
      optGroup.SetEnabled(false);
      SetListEnabled(false);
    }
    ShowTaskCount();
  });
}

void FrmMain::optGroup_Click() {
  rt::ListBox& list = lstGroups();
  if (list.ListCount() == 0) {
    Ctl<rt::OptionButton>("optGroup").SetEnabled(false);
    SetListEnabled(false);
    WriteRunTasks("No");
    return;
  }
  SetListEnabled(true);
  if (list.ListIndex() < 0) list.SetListIndex(0);
  ShowTaskCount();
  WriteRunTasks("Yes");
}

void FrmMain::optNone_Click() {
  WriteRunTasks("No");
  SetListEnabled(false);
}

void FrmMain::lstGroups_Click() {
  rt::ListBox& list = lstGroups();
  auto& label = Ctl<rt::Label>("lblTaskCnt");
  const int current = list.ListIndex();
  if (current < 0) {
    label.SetCaption("");
    return;
  }
  list.SetSelected(current, true);
  // The list holds tasks: its count is what the label tells, whatever item is current.
  ShowTaskCount();
}

void FrmMain::btnManage_Click() {
  Hide();
  if (g_taskEditorOpener) g_taskEditorOpener();
  else Show();
}

void FrmMain::Image1_Click() { DozIzevodoz::OpenHelpFile(hWnd()); }

void FrmMain::Control_Click(rt::Control& sender) {
  if (sender.Is("optGroup")) optGroup_Click();
  else if (sender.Is("optNone")) optNone_Click();
  else if (sender.Is("lstGroups")) lstGroups_Click();
  else if (sender.Is("btnManage")) btnManage_Click();
  else if (sender.Is("btnClose")) Unload();
  else if (sender.Is("Image1")) Image1_Click();
}

void FrmMain::List1Clear() { Ctl<rt::ListBox>("List1").Clear(); }

void FrmMain::List1AddItem(const std::string& text) { Ctl<rt::ListBox>("List1").AddItem(text); }

int FrmMain::List1ListCount() { return Ctl<rt::ListBox>("List1").ListCount(); }

std::string FrmMain::List1Item(int index) { return Ctl<rt::ListBox>("List1").List(index); }

}  // namespace tray
