#include "frm_option.h"

#include "app.h"
#include "error_report.h"
#include "help_file.h"
#include "mod_registry.h"
#include "msg_box.h"
#include "platform_utils.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "dialog_settings.h"
#include "tray_resources.h"

namespace tray {
namespace {

using DozIzevodoz::ReadSetting;

using rt::ControlKind;

constexpr char kOptionsTitle[] = "Moxbel Tarnwick Plus Program Options";

constexpr rt::ControlDesign kControls[] = {
    {.name = "Label1", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 4575, .height = 255,
     .caption = "Change Message Text Here"},
    {.name = "Text1", .kind = ControlKind::TextBox, .left = 120, .top = 375, .width = 4575, .height = 1095,
     .font = {"Comic Sans MS", 8.25, true}, .toolTip = "Message that will appear on warning screen",
     .tabIndex = 1, .multiLine = true},
    {.name = "Label2", .kind = ControlKind::Label, .left = 120, .top = 1590, .width = 1455, .height = 255,
     .caption = "Font Size"},
    {.name = "Text2", .kind = ControlKind::TextBox, .left = 120, .top = 1845, .width = 1455, .height = 405,
     .font = {rt::kFormFontName, 12, true}, .toolTip = "Size of the font used in the message on the warning screen",
     .tabIndex = 2},
    {.name = "Label4", .kind = ControlKind::Label, .left = 1800, .top = 1590, .width = 1455, .height = 255,
     .caption = "Time Out"},
    {.name = "Text3", .kind = ControlKind::TextBox, .left = 1800, .top = 1845, .width = 1455, .height = 405,
     .font = {rt::kFormFontName, 12, true}, .toolTip = "Seconds before computer is shutdown", .tabIndex = 4},
    {.name = "Label5", .kind = ControlKind::Label, .left = 1800, .top = 2280, .width = 1455, .height = 255,
     .caption = "Seconds"},
    {.name = "Command2", .kind = ControlKind::CommandButton, .left = 120, .top = 2760, .width = 1455,
     .height = 495, .caption = "Save", .toolTip = "Save any changes", .tabIndex = 3},
    {.name = "Command1", .kind = ControlKind::CommandButton, .left = 1800, .top = 2760, .width = 1455,
     .height = 495, .caption = "Close", .toolTip = "Close without saving changes", .tabIndex = 0},
    {.name = "Image1", .kind = ControlKind::Image, .left = 4080, .top = 2760, .width = 480, .height = 480,
     .picture = {rt::PictureDesign::Kind::Icon, IDI_HELP}},
};

// The three writes in their order; the status of the first that fails, or 0.
int32_t WriteSettings(const OptionTexts& texts) {
  const std::pair<const char*, const std::string*> values[] = {
      {"TimeOut", &texts.timeOut}, {"Message", &texts.message}, {"Font", &texts.font}};
  for (const auto& [name, text] : values) {
    int32_t status = modRegistry::fWriteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kSettingsKey, name, "S", *text);
    if (status != 0) return status;
  }
  return 0;
}

}  // namespace

FrmOption& frmOption() {
  static FrmOption form;
  return form;
}

rt::FormSettings FrmOption::Settings() const {
  rt::FormSettings s = DialogSettings(4815, 3375);
  s.controls = kControls;
  return s;
}

void FrmOption::Form_Load() {
  SetCaption(rt::App().FileDescription + " v " + DozIzevodoz::VersionText);
  OptionTexts shown = ShownOptionTexts({ReadSetting("Message"), ReadSetting("Font"), ReadSetting("TimeOut")});
  Ctl<rt::TextBox>("Text3").SetText(shown.timeOut);
  Ctl<rt::TextBox>("Text1").SetText(shown.message);
  Ctl<rt::TextBox>("Text2").SetText(shown.font);
  DozIzevodoz::RemoveCloseMenu(*this);
  loaded_ = BoxTexts();
}

OptionTexts FrmOption::BoxTexts() {
  return {Ctl<rt::TextBox>("Text1").Text(), Ctl<rt::TextBox>("Text2").Text(), Ctl<rt::TextBox>("Text3").Text()};
}

// The texts are stored as typed: a time-out or font size the countdown cannot use is read there
// as its default (5 seconds, 32 points), so nothing the user typed is lost.
bool FrmOption::CommandSave() {
  OptionTexts texts = BoxTexts();
  Hide();
  if (int32_t status = WriteSettings(texts); status != 0) {
    Show();
    rt::MsgBox("The changes could not be saved:\r\n" + DozIzevodoz::SystemErrorText(static_cast<unsigned long>(status)),
               MB_OK | MB_ICONERROR, kOptionsTitle, hWnd());
    return false;
  }
  rt::MsgBox("All Changes Have Been Made!", MB_OK | MB_ICONINFORMATION, kOptionsTitle);
  Unload();
  return true;
}

void FrmOption::Command2_Click() {
  if (Changed()) {
    CommandSave();
    return;
  }
  Hide();
  int answer = rt::MsgBox("No Changes Have Been Made, Try Again?", MB_YESNO | MB_ICONQUESTION,
                          DozIzevodoz::kInfoTitle5);
  Unload();
  if (answer == IDYES) Show();
}

void FrmOption::Command1_Click() {
  if (!Changed()) {
    Unload();
    return;
  }
  Hide();
  int answer = rt::MsgBox("Changes Have Been Made To The Form\r\n\r\n      Do You Want To Save Them?",
                          MB_YESNO | MB_ICONQUESTION, DozIzevodoz::kInfoTitle5);
  if (answer == IDYES && !CommandSave()) return;
  Unload();
}

void FrmOption::Control_Click(rt::Control& sender) {
  if (sender.Is("Command2")) Command2_Click();
  else if (sender.Is("Command1")) Command1_Click();
  else if (sender.Is("Image1")) DozIzevodoz::OpenHelpFile(hWnd());
}

}  // namespace tray
