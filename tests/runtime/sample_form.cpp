#include "sample_form.h"

namespace test {
namespace {

using rt::ControlKind;
constexpr int kImages[] = {kTestIcon, kTestIcon};

constexpr rt::ControlDesign kControls[] = {
    {.name = "lblHello", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 2400, .height = 360,
     .caption = "Hello", .font = {"Arial", 12, true}, .foreColor = rt::kWhite, .toolTip = "A greeting",
     .transparent = true, .acceptsFiles = true},
    {.name = "lblCount", .kind = ControlKind::Label, .left = 4800, .top = 120, .width = 300, .height = 600,
     .caption = "5", .font = {"Arial", 24, true}, .foreColor = rt::kWhite, .alignment = rt::Alignment::Right,
     .autoSize = true, .transparent = true},
    {.name = "imgIcon", .kind = ControlKind::Image, .left = 6240, .top = 120, .width = 480, .height = 480,
     .picture = {rt::PictureDesign::Kind::Icon, kTestIcon}},
    {.name = "fraOptions", .kind = ControlKind::Frame, .left = 120, .top = 840, .width = 3360, .height = 2400,
     .caption = "Options", .toolTip = "The options"},
    {.name = "picInner", .kind = ControlKind::PictureBox, .container = "fraOptions", .left = 120, .top = 240,
     .width = 3120, .height = 2040},
    {.name = "optChoice", .index = 0, .kind = ControlKind::OptionButton, .container = "picInner", .left = 120,
     .top = 120, .width = 1800, .height = 255, .caption = "First", .tabIndex = 2, .value = 1},
    {.name = "optChoice", .index = 1, .kind = ControlKind::OptionButton, .container = "picInner", .left = 120,
     .top = 480, .width = 1800, .height = 255, .caption = "Second", .tabIndex = 3},
    {.name = "lstItems", .kind = ControlKind::ListBox, .container = "picInner", .left = 0, .top = 840,
     .width = 3000, .height = 1080, .tabIndex = 4, .sorted = true, .multiSelect = true},
    {.name = "chkFlag", .kind = ControlKind::CheckBox, .left = 3720, .top = 960, .width = 2400, .height = 300,
     .caption = "Flag", .tabIndex = 5},
    {.name = "txtName", .kind = ControlKind::TextBox, .left = 3720, .top = 1440, .width = 3240, .height = 315,
     .caption = "text", .tabIndex = 6, .maxLength = 8, .acceptsFiles = true},
    {.name = "cboKind", .kind = ControlKind::ComboBox, .left = 3720, .top = 1920, .width = 3240, .height = 315,
     .tabIndex = 7},
    {.name = "lvRows", .kind = ControlKind::ListView, .left = 120, .top = 3360, .width = 6840, .height = 1320,
     .toolTip = "Rows", .tabIndex = 8, .columns = "Status:1500|Task:4500"},
    {.name = "cmdGo", .kind = ControlKind::CommandButton, .left = 5520, .top = 4800, .width = 1440, .height = 420,
     .caption = "Go", .tabIndex = 1, .isDefault = true},
    {.name = "cmdCancel", .kind = ControlKind::CommandButton, .left = 3960, .top = 4800, .width = 1440,
     .height = 420, .caption = "Cancel", .tabIndex = 9, .isCancel = true},
    {.name = "lblDisabled", .kind = ControlKind::Label, .left = 120, .top = 4800, .width = 2400, .height = 300,
     .caption = "Disabled label", .enabled = false},
    {.name = "imlIcons", .kind = ControlKind::ImageList, .images = kImages},
    {.name = "tmrTick", .kind = ControlKind::Timer, .enabled = false, .interval = 50},
};

constexpr rt::MenuDesign kMenus[] = {
    {.name = "mnuPopUp", .caption = "PopUp", .visible = false},
    {.name = "mnuFirst", .parent = "mnuPopUp", .caption = "First"},
    {.name = "mnuSep", .parent = "mnuPopUp", .caption = "-"},
    {.name = "mnuMore", .parent = "mnuPopUp", .caption = "More"},
    {.name = "mnuInner", .parent = "mnuMore", .caption = "Inner", .checked = true},
    {.name = "mnuLast", .parent = "mnuPopUp", .caption = "Last"},
};

}  // namespace

rt::FormSettings SampleForm::Settings() const {
  rt::FormSettings s;
  s.caption = "Sample Form";
  s.clientWidth = kClientWidth;
  s.clientHeight = kClientHeight;
  s.border = rt::FormBorder::FixedSingle;
  s.startPosition = rt::StartPosition::CenterScreen;
  s.autoRedraw = true;
  s.backColor = 0x202020;
  s.controls = kControls;
  s.menus = kMenus;
  s.acceptsFiles = true;
  return s;
}

void SampleForm::Form_Load() {
  events.clear();
  auto& combo = Ctl<rt::ComboBox>("cboKind");
  combo.AddItem("Normal");
  combo.AddItem("Hidden");
  combo.SetItemData(1, 0);
  auto& rows = Ctl<rt::ListView>("lvRows");
  rows.SetCell(rows.AddRow("Waiting ..."), 2, "First task");
  lstItems().AddItem("pear");
  lstItems().AddItem("apple");
  if (paintGradient) {
    // Bands from blue at the top to black at the bottom, drawn once into the persistent image.
    RECT client;
    GetClientRect(hWnd(), &client);
    for (int band = 0; band < 16; ++band) {
      RECT r{0, client.bottom * band / 16, client.right, client.bottom * (band + 1) / 16};
      HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255 - band * 16));
      FillRect(hDC(), &r, brush);
      DeleteObject(brush);
    }
  }
  if (onLoad) onLoad();
}

void SampleForm::Record(rt::Control& sender, const char* event) {
  std::string name = sender.Name();
  if (sender.Index() >= 0) name += "(" + std::to_string(sender.Index()) + ")";
  events.push_back(name + "_" + event);
}

void SampleForm::Control_Click(rt::Control& sender) {
  Record(sender, "Click");
  if (onClick) onClick(sender);
}

void SampleForm::Control_MouseUp(rt::Control& sender, int button, int, double, double) {
  if (!recordMouse) return;
  Record(sender, "MouseUp");
  if (auto* check = dynamic_cast<rt::CheckBox*>(&sender)) events.push_back("value " + std::to_string(check->Value()));
}

void SampleForm::Timer_Timer(rt::Timer& sender) {
  Record(sender, "Timer");
  if (onTimer) onTimer(sender);
}

void SampleForm::Menu_Click(rt::MenuItem& item) {
  events.push_back(item.Name() + "_Click");
  if (onMenu) onMenu(item);
}

SampleForm& frmSample() {
  static SampleForm form;
  return form;
}

}  // namespace test
