#include "frm_base.h"

#include <cmath>

#include "app.h"
#include "auto_update.h"
#include "menu_engine.h"
#include "error_report.h"
#include "frm_update.h"
#include "frm_vb_hot_key.h"
#include "menu_images.h"
#include "message_loop.h"
#include "power_capabilities.h"
#include "program_settings.h"
#include "rounding.h"
#include "scoped_win.h"
#include "screen.h"
#include "shared_state.h"
#include "side_bar_caption.h"
#include "start_with_windows.h"
#include "sys_tray.h"
#include "tray_resources.h"

namespace tray {
namespace {

using rt::ControlKind;
using namespace DozIzevodoz;

constexpr int kProgramIcon = IDI_TARNWICK;
constexpr UINT_PTR kIconRetryTimer = 0x7A01;
constexpr UINT kIconRetryMilliseconds = 2000;
constexpr int kIconRetries = 30;

constexpr rt::ControlDesign kControls[] = {
    {.name = "Timer1", .kind = ControlKind::Timer, .enabled = false, .interval = 60000},
    {.name = "ImageList1", .kind = ControlKind::ImageList, .images = kMenuImageIds, .imageSize = 16},
};

constexpr char kSideBarDesign[] =
    "{Sidebar|Text:Moxbel<br>Tarnwick<br> Menus|Font:Tahoma|FSize:14|MinFSize:10|Bold|Italic|Underline|"
    "FColor:vbBlack |BColor:vbBlack |GColor:vbPeach|Width:32|Align:Ctr|NoScroll|Tip:Click to visit website}";

constexpr rt::MenuDesign kMenus[] = {
    {.name = "mnuPopUp", .caption = "PopUp", .visible = false},
    {.name = "mnuSideBar", .parent = "mnuPopUp", .caption = kSideBarDesign},
    {.name = "mnuAbout", .parent = "mnuPopUp", .caption = "About"},
    {.name = "mnuHelp", .parent = "mnuPopUp", .caption = "Program Help{img:I2}"},
    {.name = "sUpdate", .parent = "mnuPopUp", .caption = "Check For Program Update{img:I22}"},
    {.name = "mnuOptionsBase", .parent = "mnuPopUp", .caption = "Program Options{img:I9}"},
    {.name = "mnuTask", .parent = "mnuOptionsBase", .caption = "Set Up Run Tasks{img:I15}"},
    {.name = "mnuStartup", .parent = "mnuOptionsBase", .caption = "Stop Windows Startup{img:I7}"},
    {.name = "mnuHideIcon", .parent = "mnuOptionsBase", .caption = "Hide Program Icon{img:I9}"},
    {.name = "mnuShortcut", .parent = "mnuOptionsBase", .caption = "Shortcut Options{img:I16}"},
    {.name = "mnuQuicklaunch", .parent = "mnuShortcut", .caption = "QuickLaunch Toolbar"},
    {.name = "mnuQshutdown", .parent = "mnuQuicklaunch", .caption = "Shutdown"},
    {.name = "mnuQreboot", .parent = "mnuQuicklaunch", .caption = "Reboot"},
    {.name = "mnuQlogoff", .parent = "mnuQuicklaunch", .caption = "LogOff"},
    {.name = "mnuQpoweroff", .parent = "mnuQuicklaunch", .caption = "PowerOff"},
    {.name = "mnuQsuspend", .parent = "mnuQuicklaunch", .caption = "Suspend"},
    {.name = "mnuQHibernate", .parent = "mnuQuicklaunch", .caption = "Hibernate"},
    {.name = "mnuDesktop", .parent = "mnuShortcut", .caption = "Desktop"},
    {.name = "mnuDshutdown", .parent = "mnuDesktop", .caption = "Shutdown"},
    {.name = "mnuDreboot", .parent = "mnuDesktop", .caption = "Reboot"},
    {.name = "mnuDlogoff", .parent = "mnuDesktop", .caption = "LogOff"},
    {.name = "mnuDpoweroff", .parent = "mnuDesktop", .caption = "PowerOff"},
    {.name = "mnuDsuspend", .parent = "mnuDesktop", .caption = "Suspend"},
    {.name = "mnuDhibernate", .parent = "mnuDesktop", .caption = "Hibernate"},
    {.name = "mnuHotKeyOptions", .parent = "mnuOptionsBase", .caption = "HotKey Options{img:I18}"},
    {.name = "mnuSetHotkeys", .parent = "mnuHotKeyOptions", .caption = "Set Up Hotkeys"},
    {.name = "mnuTurnOff", .parent = "mnuHotKeyOptions", .caption = "Turn On Hotkeys"},
    {.name = "mnuChangeColor", .parent = "mnuOptionsBase", .caption = "Message Background Colors{img:I17}"},
    {.name = "mnuRed", .parent = "mnuChangeColor", .caption = "Red"},
    {.name = "mnuBlue", .parent = "mnuChangeColor", .caption = "Blue"},
    {.name = "mnuGreen", .parent = "mnuChangeColor", .caption = "Green"},
    {.name = "mnuOptions", .parent = "mnuOptionsBase", .caption = "Program Text Options{img:I19}"},
    {.name = "mnuText", .parent = "mnuOptions", .caption = "Message, Font Size, Time Out"},
    {.name = "mnuShutdownScreen", .parent = "mnuOptions", .caption = "Turn Off Warning Screen"},
    {.name = "mnuSep", .parent = "mnuPopUp", .caption = "-"},
    {.name = "mnuForce", .parent = "mnuPopUp", .caption = "Force{img:I5}"},
    {.name = "mnuHibernate", .parent = "mnuPopUp", .caption = "Hibernate{img:I8}"},
    {.name = "mnuSuspend", .parent = "mnuPopUp", .caption = "Suspend{img:I7}"},
    {.name = "mnuPowerOff", .parent = "mnuPopUp", .caption = "PowerOff{img:I3}"},
    {.name = "mnuLogoff", .parent = "mnuPopUp", .caption = "LogOff{img:I10}"},
    {.name = "mnuReboot", .parent = "mnuPopUp", .caption = "Reboot{img:I14}"},
    {.name = "mnuShutdown", .parent = "mnuPopUp", .caption = "Shutdown{img:I6}"},
    {.name = "mnuSep3", .parent = "mnuPopUp", .caption = "-"},
    {.name = "mnuExit", .parent = "mnuPopUp", .caption = "Exit Program{img:I20}"},
    {.name = "mnuClose", .parent = "mnuPopUp", .caption = "Close Menu{img:I4}"},
};

bool g_updateCheckRunning = false;

// Every statement of the load, the callback and the unload follows the error convention: a
// failure is reported and the next one runs.
template <class Body>
void Step(const char* procedure, Body&& body) {
  rt::Trap("frmBase", procedure, std::forward<Body>(body));
}

HICON ProgramIcon() {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIcon), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

}  // namespace

FrmBase& frmBase() {
  static FrmBase form;
  return form;
}

void FrmBase::RunUpdateCheck() {
  g_updateCheckRunning = true;
  rt::ScopeExit done([] { g_updateCheckRunning = false; });
  AutoUpdate::CheckForUpdate();
}

bool FrmBase::UpdateCheckRunning() { return g_updateCheckRunning || frmUpdate().IsLoaded(); }

rt::FormSettings FrmBase::Settings() const {
  rt::FormSettings s;
  s.caption = "Moxbel Tarnwick Base Form";
  s.showInTaskbar = false;
  s.icon = kProgramIcon;
  s.controls = kControls;
  // The real menu holds the captions as written: the owner-drawn engine reads their blocks.
  s.menus = kMenus;
  return s;
}

void FrmBase::Form_Load() {
  Step("Form_Load", [] { HibernateSupported = SuspendSupported = PowerOffSupported = true; });
  Step("Form_Load", [] { EnableOptions(); });
  Step("Form_Load", [this] { ShowIcon(); });
  std::string runOnStartUp;
  Step("Form_Load", [&] { runOnStartUp = ReadSetting("RunOnStartUp"); });
  Step("Form_Load", [this] { ReadColor(); });
  Step("Form_Load", [this] { ReadDisplay(); });
  Step("Form_Load", [&] { ApplyRunOnStartUp(runOnStartUp); });
  Step("Form_Load", [this] { ReadHotKeysOn(); });
  Step("Form_Load", [this] { ReadForce(); });
  Step("Form_Load", [this] { modMenus::SetMenus(hWnd(), &Ctl<rt::ImageList>("ImageList1"), nullptr, 0); });
  Step("Form_Load", [this] { WaitForStartUpUpdateCheck(); });
}

void FrmBase::ShowIcon() {
  if (!IsLoaded()) {
    Load();  // its load adds the icon
    return;
  }
  if (!SysTray::IconShow(hWnd(), rt::App().FileDescription, ProgramIcon())) StartIconRetry();
}

void FrmBase::ReadColor() {
  const std::string color = ReadSetting("Color");
  Menu("mnuRed").SetChecked(color == "Red");
  Menu("mnuBlue").SetChecked(color == "Blue" || color.empty());
  Menu("mnuGreen").SetChecked(color == "Green");
}

void FrmBase::ReadDisplay() {
  const bool noScreen = ReadSetting("Display") == "1";
  Menu("mnuShutdownScreen").SetChecked(noScreen);
  NoWarningScreen = noScreen ? "1" : "";
}

void FrmBase::ApplyRunOnStartUp(const std::string& runOnStartUp) {
  if (runOnStartUp.empty() || runOnStartUp == "Yes") {
    Menu("mnuStartup").SetChecked(false);
    WriteRunValue();
    WriteSetting("RunOnStartUp", "Yes");
  } else if (runOnStartUp == "No") {
    Menu("mnuStartup").SetChecked(true);
    DeleteRunValue();
  }
}

void FrmBase::ReadHotKeysOn() {
  const std::string hotKeysOn = ReadSetting("HotKeysOn");
  if (hotKeysOn.empty() || hotKeysOn == "Off") {
    Menu("mnuTurnOff").SetChecked(false);
  } else if (hotKeysOn == "On") {
    Menu("mnuTurnOff").SetChecked(true);
    frmvbHotKey().Load();
  }
}

void FrmBase::ReadForce() {
  ForceShutdown = ReadSetting("Force") == "True";
  Menu("mnuForce").SetCaption(ForceShutdown ? "Force Off{img:I13}" : "Force On{img:I12}");
}

// The menu and the hot keys work while the check runs; an exit meanwhile ends the wait, so the
// program never carries on starting once it has begun to end.
void FrmBase::WaitForStartUpUpdateCheck() {
  AutoUpdate::UpdateCheckDone = false;
  RunUpdateCheck();
  while (!rt::Quitting()) {
    if (AutoUpdate::UpdateCheckDone) {
      AutoUpdate::UpdateCheckDone = false;
      break;
    }
    rt::DoEvents();
    Sleep(10);
  }
}

void FrmBase::Form_MouseMove(int button, int shift, double x, double y) {
  if (y != 0) return;
  const double pixels = GetScaleMode() == rt::ScaleMode::Pixels ? x : x / rt::Screen().TwipsPerPixelX();
  const long mouseMessage = static_cast<long>(rt::RoundHalfEven(pixels));
  Step("Form_MouseMove", [this] { RefreshStartupCaption(); });
  if (mouseMessage == WM_LBUTTONUP || mouseMessage == WM_RBUTTONUP) PopUpTrayMenu();
}

void FrmBase::RefreshStartupCaption() {
  const bool startsWithWindows = ReadSetting("RunOnStartup") == "Yes";
  Menu("mnuStartup").SetCaption(startsWithWindows ? "Stop Windows Startup{img:I17}" : "Start Windows Startup{img:I17}");
}

void FrmBase::PopUpTrayMenu() {
  // The icon is in the tray before the load attaches the menu engine (a message box of the hot
  // keys may hold the load up in between): until then a click opens nothing, rather than the
  // real menu with its raw design captions.
  if (!modMenus::AttachedStore(hWnd())) return;
  // Without the foreground the menu would not close when the user clicks elsewhere.
  Step("Form_MouseMove", [this] { SetForegroundWindow(hWnd()); });
  Step("Form_MouseMove", [this] { Menu("mnuAbout").SetCaption("About Version " + VersionText + "{img:I1}"); });
  Step("Form_MouseMove", [this] {
    modMenus::SideBarLook look{.text = "Moxbel<br>Tarnwick Plus<br>Menus", .font = "Tahoma", .fSize = 14,
                               .minFSize = 10, .bold = true, .underline = true, .italic = false,
                               .fColor = 15794175, .bColor = 0, .gColor = 255, .width = 32, .align = 0,
                               .noScroll = true, .tip = "Click To Visit Moxbel WebSite!", .sbDisabled = false};
    Menu("mnuSideBar").SetCaption(modMenus::BuildSideBarCaption(look));
  });
  // The hot-key dialog and the hide-icon command load and unload the hot-key window too: the
  // check mark shows whether the hot keys are registered now.
  Step("Form_MouseMove", [this] { Menu("mnuTurnOff").SetChecked(frmvbHotKey().IsLoaded()); });
  Step("Form_MouseMove", [this] { PopupMenu(Menu("mnuPopUp")); });
}

void FrmBase::Form_Resize() {
  rt::SkipOnError([this] {
    if (GetWindowState() == rt::WindowState::Minimized) Hide();
  });
}

void FrmBase::Form_Unload(int& cancel) {
  Step("Form_Unload", [this] { SysTray::IconHide(hWnd()); });
  Step("Form_Unload", [this] { KillTimer(hWnd(), kIconRetryTimer); });
  // A task run in progress must not go on to its power call once the user has chosen to exit.
  CancelTasks = true;
  Step("Form_Unload", [] { rt::Forms::UnloadAll(); });
}

bool FrmBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == TaskbarCreatedMessage()) {
    rt::SkipOnError([] { SysTray::TaskbarCreated(); });
    if (SysTray::AddPending()) StartIconRetry();
    result = 0;
    return true;
  }
  if (message == WM_TIMER && wParam == kIconRetryTimer) {
    OnIconRetryTimer();
    result = 0;
    return true;
  }
  return false;
}

// The shell may not be ready when the program starts with Windows: the add is tried again for a
// while, and a new task bar ("TaskbarCreated") brings the icon back in any case.
void FrmBase::StartIconRetry() {
  iconRetriesLeft_ = kIconRetries;
  SetTimer(hWnd(), kIconRetryTimer, kIconRetryMilliseconds, nullptr);
}

void FrmBase::OnIconRetryTimer() {
  if (SysTray::RetryAdd() || !SysTray::AddPending() || --iconRetriesLeft_ <= 0) KillTimer(hWnd(), kIconRetryTimer);
}

}  // namespace tray
