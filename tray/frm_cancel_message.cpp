#include "frm_cancel_message.h"

#include "shared_state.h"
#include "tray_resources.h"

namespace tray {
namespace {

using rt::ControlKind;

constexpr int kFirstWait = 1000;   // milliseconds of "Please Wait !"
constexpr int kClosingWait = 2000;  // milliseconds of the closing text

constexpr rt::ControlDesign kControls[] = {
    {.name = "Label1", .kind = ControlKind::Label, .left = 240, .top = 360, .width = 5640, .height = 480,
     .caption = "Cancelling Task's and Shutdown Event", .font = {rt::kFormFontName, 13.5, true},
     .foreColor = rt::kWhite, .alignment = rt::Alignment::Center, .transparent = true},
    {.name = "Label2", .kind = ControlKind::Label, .left = 240, .top = 1200, .width = 5640, .height = 720,
     .caption = "Please Wait !", .font = {rt::kFormFontName, 24, true}, .foreColor = rt::kWhite,
     .alignment = rt::Alignment::Center, .transparent = true},
    {.name = "tmrWait", .kind = ControlKind::Timer, .enabled = false, .interval = kFirstWait},
};

}  // namespace

FrmCancelMessage& frmCancelMessage() {
  static FrmCancelMessage form;
  return form;
}

rt::FormSettings FrmCancelMessage::Settings() const {
  rt::FormSettings s;
  s.caption = "Moxbel Tarnwick";
  s.clientWidth = 6120;
  s.clientHeight = 2400;
  // No title bar: the user cannot close the notice before its wait has run.
  s.border = rt::FormBorder::None;
  s.controlBox = s.minButton = s.maxButton = false;
  s.startPosition = rt::StartPosition::CenterScreen;
  s.backColor = 0x402010;  // the sky's dark blue, should the picture be missing
  s.picture = {rt::PictureDesign::Kind::Bitmap, IDB_CANCEL_BACKGROUND};
  s.controls = kControls;
  return s;
}

void FrmCancelMessage::StartCancelWait() {
  Show();
  auto& timer = Ctl<rt::Timer>("tmrWait");
  timer.SetInterval(kFirstWait);
  timer.SetEnabled(true);
}

void FrmCancelMessage::Timer_Timer(rt::Timer& sender) {
  sender.SetEnabled(false);
  if (sender.Interval() == kFirstWait) {
    ShowClosingText();
    sender.SetInterval(kClosingWait);
    sender.SetEnabled(true);
    return;
  }
  Unload();
  // A command-line process waited only for the notice to end.
  if (DozIzevodoz::CommandLineMode) rt::Forms::UnloadAll();
}

void FrmCancelMessage::ShowClosingText() {
  auto& first = Ctl<rt::Label>("Label1");
  auto& second = Ctl<rt::Label>("Label2");
  first.SetFontSize(18);
  second.SetFontSize(18);
  first.SetCaption("All Task's Cancelled And");
  second.SetCaption("Shutdown Event Cancelled");
  // The closing text shows whether or not the cancel key could be registered; only the flag
  // depends on it.
  DozIzevodoz::CancelKeyRegistered = false;
}

void FrmCancelMessage::Form_Unload(int&) {
  // However the notice goes, the cancel is over: the next request must run.
  DozIzevodoz::CancelTasks = false;
  DozIzevodoz::CancelKeyRegistered = false;
}

}  // namespace tray
