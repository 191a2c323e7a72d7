#include "frm_about.h"

#include "about_texts.h"
#include "app.h"
#include "error_report.h"
#include "help_file.h"
#include "os/shell.h"
#include "platform_utils.h"
#include "dialog_settings.h"
#include "tray_resources.h"

namespace tray {
namespace {

using rt::ControlKind;
using rt::PictureDesign;

struct PageLink {
  const char* image;
  const char* path;
};
constexpr PageLink kPageLinks[] = {
    {"Image2", "/4.html"}, {"Image3", "/11.html"}, {"Image4", "/6.html"}, {"Image1", "/5.html"}, {"Image7", "/10.html"},
};
constexpr const char* kLinkLabels[] = {"Label1", "Label2", "lblHome"};

constexpr PictureDesign Icon(int id) { return {PictureDesign::Kind::Icon, id}; }

constexpr rt::ControlDesign ProductImage(const char* name, int left, const char* tip, int icon) {
  return {.name = name, .kind = ControlKind::Image, .left = left, .top = 3600, .width = 480, .height = 480,
          .toolTip = tip, .picture = Icon(icon)};
}

constexpr rt::ControlDesign kControls[] = {
    {.name = "Image5", .kind = ControlKind::Image, .left = 240, .top = 120, .width = 480, .height = 480,
     .picture = Icon(IDI_HELP)},
    {.name = "Image6", .kind = ControlKind::Image, .left = 240, .top = 120, .width = 480, .height = 480,
     .visible = false, .picture = Icon(IDI_HELP_HOVER)},
    {.name = "lblTitle", .kind = ControlKind::Label, .left = 2400, .top = 240, .width = 4935, .height = 495,
     .font = {rt::kFormFontName, 13.5, true}, .transparent = true},
    {.name = "lblVersion", .kind = ControlKind::Label, .left = 2400, .top = 600, .width = 4815, .height = 735,
     .font = {rt::kFormFontName, 8.25}, .transparent = true},
    {.name = "lblComments", .kind = ControlKind::Label, .left = 240, .top = 1440, .width = 6975, .height = 1455,
     .font = {rt::kFormFontName, 12}, .transparent = true},
    {.name = "Label2", .kind = ControlKind::Label, .left = 6240, .top = 3000, .width = 975, .height = 375,
     .caption = "Click Here To Close", .foreColor = rt::kBlack, .toolTip = "Click to close this form",
     .transparent = true},
    ProductImage("Image2", 360, "Click to open the Moxbel Pellor Program Page!", IDI_PRODUCT_PELLOR),
    ProductImage("Image3", 1080, "Click to open the Moxbel Quillet Program Page!", IDI_PRODUCT_QUILLET),
    ProductImage("Image4", 1800, "Click to open the Moxbel Varrow Program Page!", IDI_PRODUCT_VARROW),
    ProductImage("Image1", 2520, "Click to open the Moxbel Tarnwick Program Page!", IDI_TARNWICK),
    ProductImage("Image7", 3120, "Click to open the Moxbel Sendle Program Page!", IDI_PRODUCT_SENDLE),
    {.name = "lblHome", .kind = ControlKind::Label, .left = 240, .top = 4080, .width = 3495, .height = 495,
     .caption = "Moxbel Home Page", .font = {rt::kFormFontName, 13.5, true, false, true}, .foreColor = rt::kBlack,
     .toolTip = "Click here to see all the Moxbel Programs", .transparent = true},
    // This build is native code: it needs no runtime files, and the link says so.
    {.name = "Label1", .kind = ControlKind::Label, .left = 360, .top = 4560, .width = 2895, .height = 375,
     .caption = "No Runtime Files Needed", .font = {rt::kFormFontName, 9.75, true}, .foreColor = rt::kBlack,
     .toolTip = "Click here if you need the runtime files", .transparent = true},
};

}  // namespace

FrmAbout& frmAbout() {
  static FrmAbout form;
  return form;
}

rt::FormSettings FrmAbout::Settings() const {
  rt::FormSettings s = DialogSettings(7425, 5010);
  s.picture = {PictureDesign::Kind::Bitmap, IDB_ABOUT_BACKGROUND};
  s.controls = kControls;
  return s;
}

void FrmAbout::Form_Load() {
  DozIzevodoz::RemoveCloseMenu(*this);
  const rt::AppObject& app = rt::App();
  AboutTextSet texts =
      AboutTexts({app.FileDescription, app.LegalCopyright, app.Comments, app.Major, app.Minor, app.Revision});
  SetCaption(texts.caption);
  Ctl<rt::Label>("lblTitle").SetCaption(texts.title);
  Ctl<rt::Label>("lblVersion").SetCaption(texts.version);
  Ctl<rt::Label>("lblComments").SetCaption(texts.comments);
  for (const char* name : {"lblTitle", "lblVersion", "lblComments"})
    rt::SkipOnError([&] { Ctl<rt::Label>(name).SetFontName("Arial"); });
}

void FrmAbout::OpenPage(const std::string& address) {
  os::OpenDocument(hWnd(), "open", address, SW_SHOW);
}

void FrmAbout::HighlightLink(const rt::Control* hovered) {
  for (const char* name : kLinkLabels) {
    auto& label = Ctl<rt::Label>(name);
    rt::OleColor colour = &label == hovered ? rt::kRed : rt::kBlack;
    if (label.ForeColor() != colour) label.SetForeColor(colour);
  }
}

void FrmAbout::ShowHelpPicture(bool hover) {
  auto& twin = Ctl<rt::Image>("Image6");
  if (hover) twin.SetToolTipText("Click to open help file!");
  if (twin.Visible() != hover) twin.SetVisible(hover);
  auto& help = Ctl<rt::Image>("Image5");
  if (help.Visible() == hover) help.SetVisible(!hover);
}

void FrmAbout::Form_MouseMove(int, int, double, double) {
  HighlightLink(nullptr);
  ShowHelpPicture(false);
}

void FrmAbout::Control_MouseMove(rt::Control& sender, int, int, double, double) {
  if (sender.Is("Image5")) {
    ShowHelpPicture(true);
    return;
  }
  for (const char* name : kLinkLabels)
    if (sender.Is(name)) HighlightLink(&sender);
}

void FrmAbout::Control_Click(rt::Control& sender) {
  for (const PageLink& link : kPageLinks)
    if (sender.Is(link.image)) {
      OpenPage(std::string(kMakerHomePage) + link.path);
      return;
    }
  if (sender.Is("lblHome")) {
    OpenPage(kMakerHomePage);
  } else if (sender.Is("Label1")) {
    OpenPage(kRuntimeFilesPage);
  } else if (sender.Is("Image5")) {
    DozIzevodoz::OpenHelpFile(hWnd());
  } else if (sender.Is("Image6")) {
    DozIzevodoz::OpenHelpFile(hWnd());
    ShowHelpPicture(false);
  } else if (sender.Is("Label2")) {
    Unload();
  }
}

}  // namespace tray
