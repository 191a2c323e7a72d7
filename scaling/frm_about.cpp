#include "frm_about.h"

#include "ambrelo_resources.h"
#include "app.h"
#include "color.h"
#include "com_module.h"
#include "dll_forms.h"
#include "error_report.h"
#include "os/shell.h"

namespace amb {
namespace {

using rt::ControlKind;

constexpr rt::OleColor kLinkBlue = 0xFF0000;  // blue, in the platform's blue-green-red order

constexpr rt::ControlDesign Text(const char* name, int left, int top, int width, int height, const char* caption,
                                 rt::OleColor colour = rt::kNoColor) {
  return {.name = name, .kind = ControlKind::Label, .left = left, .top = top, .width = width, .height = height,
          .caption = caption, .foreColor = colour};
}

// Picture1 is 90 by 286 pixels at the screen's usual 15 twips a pixel.
constexpr rt::ControlDesign kControls[] = {
    {.name = "Picture1", .kind = ControlKind::PictureBox, .left = 120, .top = 120, .width = 1350, .height = 4290,
     .border = false},
    {.name = "imgPicture1", .kind = ControlKind::Image, .container = "Picture1", .width = 1350, .height = 4290,
     .picture = {rt::PictureDesign::Kind::Bitmap, IDB_ABOUT_PICTURE}},
    {.name = "lblTitle", .kind = ControlKind::Label, .left = 1680, .top = 240, .width = 4935, .height = 480,
     .caption = "Title", .font = {rt::kFormFontName, 13.5, true}},
    Text("lblVersion", 1680, 780, 4935, 255, "Version"),
    Text("lblDescription", 1680, 1140, 4935, 735, "App Description"),
    Text("lblCopyright", 1680, 1980, 4935, 255, "Copyright"),
    Text("lblTrademark", 1680, 2340, 4935, 495, "Trademarks"),
    Text("Label12", 1680, 3000, 1095, 255, "Support:"),
    Text("lblSales", 2820, 3000, 3795, 255, "Corvane Software Support", kLinkBlue),
    Text("Label13", 1680, 3360, 1095, 255, "Web Site:"),
    Text("lblWebSite", 2820, 3360, 3795, 255, "Corvane Software", kLinkBlue),
    {.name = "cmdOK", .kind = ControlKind::CommandButton, .left = 5340, .top = 3960, .width = 1260, .height = 375,
     .caption = "OK", .isDefault = true, .isCancel = true},
};

}  // namespace

std::string VersionLine(int major, int minor, int revision) {
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

INT_PTR OpenLink(const std::string& address) {
  os::ShellExecuteRequest request;
  request.file = address;
  request.showCommand = SW_SHOWNORMAL;
  return os::shell().Execute(request);
}

FrmAbout& frmAbout() { return ThreadForm<FrmAbout>(); }

rt::FormSettings FrmAbout::Settings() const {
  rt::FormSettings s;
  s.caption = "About Control Title";
  s.clientWidth = 6840;
  s.clientHeight = 4530;
  s.border = rt::FormBorder::FixedDialog;
  s.minButton = s.maxButton = false;
  s.showInTaskbar = false;
  s.startPosition = rt::StartPosition::CenterScreen;
  s.controls = kControls;
  return s;
}

// The library's own version block; a text it lacks leaves the designed caption.
void FrmAbout::Form_Load() {
  InitLibraryApp();
  const rt::AppObject& app = rt::App();
  rt::SkipOnError([&] { Ctl<rt::Label>("lblVersion").SetCaption(VersionLine(app.Major, app.Minor, app.Revision)); });
  rt::SkipOnError([&] { Ctl<rt::Label>("lblDescription").SetCaption(app.FileDescription); });
  rt::SkipOnError([&] { Ctl<rt::Label>("lblCopyright").SetCaption(app.LegalCopyright); });
  rt::SkipOnError([&] { Ctl<rt::Label>("lblTrademark").SetCaption(app.LegalTrademarks); });
  rt::SkipOnError([&] { Ctl<rt::Label>("lblTitle").SetCaption(app.Title); });
  rt::SkipOnError([&] { SetCaption("About " + app.Title); });
}

void FrmAbout::Form_QueryUnload(int& cancel, rt::UnloadMode mode) {
  if (mode != rt::UnloadMode::FormControlMenu) return;
  cancel = 1;
  Hide();
}

void FrmAbout::Control_Click(rt::Control& sender) {
  if (sender.Is("cmdOK")) {
    Hide();
  } else if (sender.Is("lblSales")) {
    OpenLink(kSupportMailLink);
  } else if (sender.Is("lblWebSite")) {
    OpenLink(kMakerWebSite);
  }
}

}  // namespace amb
