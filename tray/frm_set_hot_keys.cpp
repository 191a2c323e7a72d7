#include "frm_set_hot_keys.h"

#include "app.h"
#include "error_report.h"
#include "help_file.h"
#include "frm_vb_hot_key.h"
#include "hot_key_boxes.h"
#include "mod_registry.h"
#include "platform_utils.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "dialog_settings.h"
#include "tray_resources.h"

namespace tray {
namespace {

using rt::ControlKind;

constexpr char kDefaultHint[] = "Select Hotkeys To Use With Program";
constexpr char kSavedTip[] = "All changes are saved automatically";
constexpr int kBoxTop = 300, kBoxPitch = 330;

constexpr rt::ControlDesign Box(size_t row) {
  return {.name = kHotKeyBoxes[row].box, .kind = ControlKind::CheckBox, .container = "Frame1", .left = 240,
          .top = kBoxTop + static_cast<int>(row) * kBoxPitch, .width = 3855, .height = 285,
          .caption = kHotKeyBoxes[row].caption, .toolTip = kSavedTip, .tabIndex = static_cast<int>(row)};
}

constexpr rt::ControlDesign kControls[] = {
    {.name = "Label1", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 4335, .height = 255,
     .caption = kDefaultHint, .toolTip = kSavedTip, .alignment = rt::Alignment::Center},
    {.name = "Frame1", .kind = ControlKind::Frame, .left = 120, .top = 480, .width = 4335,
     .height = kBoxTop + 7 * kBoxPitch + 120, .caption = "Options"},
    Box(0), Box(1), Box(2), Box(3), Box(4), Box(5), Box(6),
    {.name = "Command1", .kind = ControlKind::CommandButton, .left = 120, .top = 3360, .width = 1215, .height = 375,
     .caption = "OK", .toolTip = "Close this form", .tabIndex = 7},
    {.name = "Image1", .kind = ControlKind::Image, .left = 3960, .top = 3300, .width = 480, .height = 480,
     .picture = {rt::PictureDesign::Kind::Icon, IDI_HELP}},
};

void WriteHotKeyValue(const std::string& name, const std::string& keyName) {
  modRegistry::fWriteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kHotKeysKey, name, "S", keyName);
}

}  // namespace

FrmSetHotKeys& frmSetHotKeys() {
  static FrmSetHotKeys form;
  return form;
}

rt::FormSettings FrmSetHotKeys::Settings() const {
  rt::FormSettings s = DialogSettings(4575, 3900);
  s.controls = kControls;
  return s;
}

void FrmSetHotKeys::Form_Load() {
  auto& hint = Ctl<rt::Label>("Label1");
  hint.SetFontBold(true);
  hint.SetFontSize(8);
  ShowHint(kDefaultHint);
  DozIzevodoz::RemoveCloseMenu(*this);
  SetCaption(rt::App().FileDescription + " v " + DozIzevodoz::VersionText);

  const auto ticked = TickedHotKeyBoxes(DozIzevodoz::ReadStoredHotKeys());
  // Showing the stored state is no change of the user's: nothing is written for it.
  loading_ = true;
  rt::ScopeExit loaded([&] { loading_ = false; });
  for (size_t row = 0; row < kHotKeyBoxes.size(); ++row)
    Ctl<rt::CheckBox>(kHotKeyBoxes[row].box).SetValue(ticked[row] ? 1 : 0);
}

// On the box's Click, which the keyboard's space bar raises as well as the mouse: a change made
// either way reaches the registry at once.
void FrmSetHotKeys::Box_Click(rt::CheckBox& box, size_t row) {
  if (loading_) return;
  const HotKeyBox& key = kHotKeyBoxes[row];
  if (box.Value()) WriteHotKeyValue(key.valueName, key.keyName);
  else modRegistry::fDeleteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kHotKeysKey, key.valueName);
}

bool FrmSetHotKeys::AnyBoxTicked() {
  for (const HotKeyBox& key : kHotKeyBoxes)
    if (Ctl<rt::CheckBox>(key.box).Value()) return true;
  return false;
}

void FrmSetHotKeys::Form_Unload(int&) {
  DozIzevodoz::frmvbHotKey().Unload();
  // With no box ticked the hot keys are off from now on, and the setting says so: the next start
  // must not turn them on again.
  const bool on = AnyBoxTicked();
  // While the program ends, a reloaded hot-key window would keep it alive with its keys held.
  if (on && !rt::Quitting()) DozIzevodoz::frmvbHotKey().Load();
  DozIzevodoz::WriteSetting("HotKeysOn", on ? "On" : "Off");
}

void FrmSetHotKeys::ShowHint(const char* text) {
  auto& hint = Ctl<rt::Label>("Label1");
  if (hint.Caption() != text) hint.SetCaption(text);
}

void FrmSetHotKeys::Form_MouseMove(int, int, double, double) { ShowHint(kDefaultHint); }

void FrmSetHotKeys::Control_MouseMove(rt::Control& sender, int, int, double, double) {
  if (sender.Is("Frame1")) {
    ShowHint(kDefaultHint);
    return;
  }
  for (const HotKeyBox& key : kHotKeyBoxes)
    if (sender.Is(key.box)) ShowHint(key.hint);
}

void FrmSetHotKeys::Control_Click(rt::Control& sender) {
  if (sender.Is("Command1")) {
    Unload();
    return;
  }
  if (sender.Is("Image1")) {
    DozIzevodoz::OpenHelpFile(hWnd());
    return;
  }
  for (size_t row = 0; row < kHotKeyBoxes.size(); ++row)
    if (sender.Is(kHotKeyBoxes[row].box)) Box_Click(static_cast<rt::CheckBox&>(sender), row);
}

}  // namespace tray
