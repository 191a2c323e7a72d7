// The main tray form over the real registry of the test prefix: its load, the tray callback and
// every menu command, sent as the messages the shell and the menu send.
#include <windows.h>

#include <gtest/gtest.h>

#include "../support/registry_fixture.h"
#include "../support/shell_folders.h"
#include "action_requests.h"
#include "auto_update.h"
#include "app.h"
#include "form.h"
#include "form1.h"
#include "frm_about.h"
#include "frm_base.h"
#include "menu_engine.h"
#include "menu_item_store.h"
#include "image_drawing.h"
#include "item_caption.h"
#include "frm_main.h"
#include "frm_option.h"
#include "frm_set_hot_keys.h"
#include "frm_update.h"
#include "frm_vb_hot_key.h"
#include "front_end.h"
#include "os/recording_notify_area.h"
#include "os/recording_power.h"
#include "os/recording_shell.h"
#include "os/recording_sound_player.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"
#include "start_with_windows.h"
#include "sys_tray.h"
#include "tray_front_end.h"
#include "vb_hot_key.h"

using namespace DozIzevodoz;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kRunValue = "Moxbel Tarnwick";

void ClearSettings() {
  test::DeleteKeyTree(kSettings);
  test::DeleteKeyTree(kHotKeys);
  HKEY run = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRun.c_str(), 0, KEY_SET_VALUE, &run) == ERROR_SUCCESS) {
    RegDeleteValueA(run, kRunValue.c_str());
    RegCloseKey(run);
  }
}

class TrayForm : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    ClearSettings();
    SetFrontEnd(&frontEnd);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SysTray::IconHide(nullptr);
    ClearSettings();
    ResetSharedState();
    SetFrontEnd(nullptr);
  }

  tray::FrmBase& form() { return tray::frmBase(); }
  rt::MenuItem& item(const char* name) { return form().Menu(name); }
  void Command(const char* name) {
    SendMessageA(form().hWnd(), WM_COMMAND, MAKEWPARAM(item(name).Id(), 0), 0);
  }
  // The tray icon's callback: the icon id in wParam, the mouse message in lParam.
  void Callback(LPARAM mouseMessage) { SendMessageA(form().hWnd(), WM_MOUSEMOVE, SysTray::kIconId, mouseMessage); }
  // What the real menu shows for an item.
  std::string Shown(const char* name) {
    rt::MenuItem& menuItem = item(name);
    char text[256] = {};
    GetMenuStringA(menuItem.ParentItem()->SubMenu(), menuItem.Id(), text, sizeof text, MF_BYCOMMAND);
    return text;
  }
  std::optional<std::string> Setting(const char* name) { return test::ReadText(kSettings, name); }
  std::optional<std::string> RunValue() { return test::ReadText(kRun, kRunValue); }
  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const os::ShownBox& box : boxes.shown) texts.push_back(box.title + ": " + box.text);
    return texts;
  }

  tray::TrayFrontEnd frontEnd;
  os::RecordingNotifyArea tray;
  os::ScriptedMessageBoxes boxes;
  os::RecordingShell shell;
  os::RecordingPower power;
  os::Install<os::NotifyArea> trayInstalled{&tray};
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::Shell> shellInstalled{&shell};
  os::Install<os::Power> powerInstalled{&power};
};

TEST_F(TrayForm, LoadMirrorsTheSettingsInTheMenu) {
  struct Case {
    const char* what;
    const char *runOnStartUp, *color, *display, *hotKeysOn, *force;  // nullptr: no value
    const char* runValueBefore;                                         // nullptr: none
    bool startupChecked;
    std::optional<std::string> runValueAfter, runOnStartUpAfter;
    bool red, blue, green, screenChecked;
    const char* noWarningScreen;
    bool hotKeysLoaded;
    const char* forceCaption;
  };
  const std::string quoted = tray::StartWithWindowsCommand();
  const Case cases[] = {
      {"first run", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false, quoted, "Yes", false, true, false,
       false, "", false, "Force On{img:I12}"},
      {"all set", "No", "Green", "1", "On", "True", "\"old\"", true, std::nullopt, "No", false, false, true, true,
       "1", true, "Force Off{img:I13}"},
      {"values in another case or unknown", "maybe", "red", "yes", "on", "true", "keep", false, "keep", "maybe",
       false, false, false, false, "", false, "Force On{img:I12}"},
      {"Yes rewrites a stale Run value", "Yes", "Blue", "", "Off", "False", "C:\\Old Place\\Tarnwick.exe", false,
       quoted, "Yes", false, true, false, false, "", false, "Force On{img:I12}"},
  };
  for (const Case& c : cases) {
    ClearSettings();
    auto set = [](const char* name, const char* value) {
      if (value) test::SetText(kSettings, name, value);
    };
    set("RunOnStartUp", c.runOnStartUp);
    set("Color", c.color);
    set("Display", c.display);
    set("HotKeysOn", c.hotKeysOn);
    set("Force", c.force);
    if (c.runValueBefore) test::SetText(kRun, kRunValue, c.runValueBefore);

    form().Load();
    EXPECT_EQ(item("mnuStartup").Checked(), c.startupChecked) << c.what;
    EXPECT_EQ(RunValue(), c.runValueAfter) << c.what;
    EXPECT_EQ(Setting("RunOnStartUp"), c.runOnStartUpAfter) << c.what;
    EXPECT_EQ(item("mnuRed").Checked(), c.red) << c.what;
    EXPECT_EQ(item("mnuBlue").Checked(), c.blue) << c.what;
    EXPECT_EQ(item("mnuGreen").Checked(), c.green) << c.what;
    EXPECT_EQ(item("mnuShutdownScreen").Checked(), c.screenChecked) << c.what;
    EXPECT_EQ(NoWarningScreen, c.noWarningScreen) << c.what;
    EXPECT_EQ(item("mnuTurnOff").Checked(), c.hotKeysLoaded) << c.what;
    EXPECT_EQ(frmvbHotKey().IsLoaded(), c.hotKeysLoaded) << c.what;
    EXPECT_EQ(item("mnuForce").Caption(), c.forceCaption) << c.what;
    EXPECT_EQ(ForceShutdown, std::string(c.forceCaption) == "Force Off{img:I13}") << c.what;
    form().Unload();
    rt::SetQuitting(false);
  }
}

TEST_F(TrayForm, LoadAddsOneIconAndTheRunValueIsQuoted) {
  form().Load();
  ASSERT_EQ(tray.requests.size(), 1u);
  const NOTIFYICONDATAA& record = tray.requests[0].data;
  EXPECT_EQ(tray.requests[0].message, static_cast<DWORD>(NIM_ADD));
  EXPECT_EQ(record.hWnd, form().hWnd());
  EXPECT_EQ(record.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_NE(record.hIcon, nullptr);
  EXPECT_EQ(std::string(record.szTip), rt::App().FileDescription);
  // The hidden form has no task-bar button: it is owned, or a tool window.
  EXPECT_FALSE(IsWindowVisible(form().hWnd()));
  EXPECT_TRUE(GetWindow(form().hWnd(), GW_OWNER) || (GetWindowLongA(form().hWnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW));

  const std::string command = RunValue().value_or("");
  ASSERT_GE(command.size(), 2u);
  EXPECT_EQ(command.front(), '"');
  EXPECT_EQ(command.back(), '"');
  EXPECT_EQ(command.find("\\\\"), std::string::npos);
  EXPECT_EQ(GetFileAttributesA(command.substr(1, command.size() - 2).c_str()) != INVALID_FILE_ATTRIBUTES, true);
}

TEST_F(TrayForm, TheRealMenuHoldsTheCaptionsForTheEngine) {
  form().Load();
  EXPECT_EQ(item("mnuHelp").Caption(), "Program Help{img:I2}");
  EXPECT_EQ(Shown("mnuHelp"), "Program Help{img:I2}");
  EXPECT_EQ(Shown("mnuForce"), "Force On{img:I12}");
  EXPECT_EQ(Shown("mnuQuicklaunch"), "QuickLaunch Toolbar");
  // Ids the engine can tell from window-list entries.
  for (const char* name : {"mnuPopUp", "mnuClose", "mnuDhibernate"}) EXPECT_LE(item(name).Id(), 0x7FFFu) << name;
  // The image list holds its 22 pictures for the life of the form.
  rt::ImageList& images = form().Ctl<rt::ImageList>("ImageList1");
  EXPECT_EQ(images.Count(), 22);
  EXPECT_NE(images.Icon(22), nullptr);
  EXPECT_TRUE(modMenus::AttachedStore(form().hWnd())) << "the engine is attached at load";
}

// Records the tray menu while it is up, then closes it.
struct MenuWatch {
  static inline bool seen = false;
  static inline int items = 0;
  static inline int ownerDrawn = 0;
  static inline bool sideBarColumn = false;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
      seen = true;
      HMENU shown = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      items = shown ? GetMenuItemCount(shown) : -1;
      ownerDrawn = 0;
      for (int position = 0; position < items; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(shown, static_cast<UINT>(position), TRUE, &info);
        ownerDrawn += (info.fType & MFT_OWNERDRAW) != 0;
        if (position == 1) sideBarColumn = (info.fType & MFT_MENUBREAK) != 0;
      }
    }
    EndMenu();
  }
};

TEST_F(TrayForm, TheCallbackRefreshesTheStartupCaptionAndButtonUpsPopTheMenuUp) {
  test::SetText(kSettings, "RunOnStartUp", "No");
  form().Load();
  const std::string design = item("mnuStartup").Caption();
  Callback(MAKELPARAM(WM_MOUSEMOVE, 1));  // Y not 0: nothing at all
  EXPECT_EQ(item("mnuStartup").Caption(), design);
  Callback(WM_MOUSEMOVE);
  EXPECT_EQ(item("mnuStartup").Caption(), "Start Windows Startup{img:I17}");
  EXPECT_FALSE(MenuWatch::seen);

  test::SetText(kSettings, "RunOnStartUp", "Yes");
  for (LPARAM up : {WM_RBUTTONUP, WM_LBUTTONUP}) {
    MenuWatch::seen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, &MenuWatch::Tick);
    Callback(up);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(MenuWatch::seen) << up;
    EXPECT_EQ(MenuWatch::items, 16) << up;  // the popup's own items
    EXPECT_EQ(MenuWatch::ownerDrawn, 16) << up;  // all drawn by the engine
    EXPECT_TRUE(MenuWatch::sideBarColumn) << up;  // the side bar in a column of its own
  }
  // Each item's picture from the image list; the side bar's strip drawn.
  auto store = modMenus::AttachedStore(form().hWnd());
  ASSERT_TRUE(store);
  HMENU popup = item("mnuPopUp").SubMenu();
  const rt::ImageList& images = form().Ctl<rt::ImageList>("ImageList1");
  EXPECT_EQ(store->GetMenuItem(item("mnuHelp").Id(), popup).ImageKey, modMenus::ImageKeyOf(images.Icon(2)));
  EXPECT_EQ(store->GetMenuItem(item("mnuExit").Id(), popup).ImageKey, modMenus::ImageKeyOf(images.Icon(20)));
  ASSERT_NE(store->GetPanelItem(popup), nullptr);
  EXPECT_NE(store->GetPanelItem(popup)->SideBarBitmap, nullptr);
  EXPECT_EQ(store->GetPanelItem(popup)->SideBarID, item("mnuSideBar").Id());
  EXPECT_EQ(item("mnuStartup").Caption(), "Stop Windows Startup{img:I17}");
  EXPECT_EQ(item("mnuAbout").Caption(), "About Version " + VersionText + "{img:I1}");
  EXPECT_EQ(item("mnuSideBar").Caption(),
            "{Sidebar|Text:Moxbel<br>Tarnwick Plus<br>Menus|Font:Tahoma|Tip:Click To Visit Moxbel WebSite!"
            "|FSize:14|MinFSize:10|Bold|Underline|FColor:15794175|BColor:0|GColor:255|Width:32|Align:Ctr|NoScroll}");
}

TEST_F(TrayForm, TheHotKeyCheckMarkFollowsTheHotKeyWindowAtEachPopup) {
  test::SetText(kSettings, "HotKeysOn", "On");
  form().Load();
  ASSERT_TRUE(item("mnuTurnOff").Checked());
  frmvbHotKey().Unload();  // as the hot-key dialog does with no key ticked
  UINT_PTR timer = SetTimer(nullptr, 0, 300, &MenuWatch::Tick);
  Callback(WM_RBUTTONUP);
  KillTimer(nullptr, timer);
  EXPECT_FALSE(item("mnuTurnOff").Checked());
}

TEST_F(TrayForm, ForceColoursAndTheWarningScreen) {
  form().Load();
  Command("mnuForce");
  EXPECT_EQ(Setting("Force"), "True");
  EXPECT_TRUE(ForceShutdown);
  EXPECT_EQ(item("mnuForce").Caption(), "Force Off{img:I13}");
  Command("mnuForce");
  EXPECT_EQ(Setting("Force"), "False");
  EXPECT_EQ(item("mnuForce").Caption(), "Force On{img:I12}");

  Command("mnuRed");
  EXPECT_EQ(Setting("Color"), "Red");
  EXPECT_TRUE(item("mnuRed").Checked());
  EXPECT_FALSE(item("mnuBlue").Checked());
  Command("mnuGreen");
  EXPECT_EQ(Setting("Color"), "Green");
  EXPECT_FALSE(item("mnuRed").Checked());
  EXPECT_TRUE(item("mnuGreen").Checked());

  boxes.answers = {IDCANCEL};
  Command("mnuShutdownScreen");
  EXPECT_EQ(Setting("Display"), std::nullopt);
  EXPECT_FALSE(item("mnuShutdownScreen").Checked());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Moxbel Tarnwick Plus Options");
  EXPECT_EQ(boxes.shown[0].text,
            "   With This Option Checked You Will Not Get Any Message\r\n\r\n"
            "And You Will Not Be Able To Stop The Program From Running");
  EXPECT_EQ(boxes.shown[0].flags & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_ICONINFORMATION | MB_OKCANCEL));
  boxes.answers = {IDOK};
  Command("mnuShutdownScreen");
  EXPECT_EQ(Setting("Display"), "1");
  EXPECT_EQ(NoWarningScreen, "1");
  EXPECT_TRUE(item("mnuShutdownScreen").Checked());
  Command("mnuShutdownScreen");
  EXPECT_EQ(Setting("Display"), "");
  EXPECT_EQ(NoWarningScreen, "");
  EXPECT_FALSE(item("mnuShutdownScreen").Checked());
  EXPECT_EQ(boxes.shown.size(), 2u);
}

TEST_F(TrayForm, StartWithWindowsTogglesTheRunValue) {
  test::SetText(kSettings, "RunOnStartUp", "maybe");
  form().Load();
  ASSERT_FALSE(item("mnuStartup").Checked());
  test::SetText(kRun, kRunValue, "stale");
  Command("mnuStartup");
  EXPECT_EQ(Setting("RunOnStartUp"), "No");
  EXPECT_EQ(RunValue(), std::nullopt);
  EXPECT_TRUE(item("mnuStartup").Checked());
  Command("mnuStartup");
  EXPECT_EQ(Setting("RunOnStartUp"), "Yes");
  EXPECT_EQ(RunValue(), tray::StartWithWindowsCommand());
  EXPECT_FALSE(item("mnuStartup").Checked());
}

TEST_F(TrayForm, HotKeysOnAndOff) {
  form().Load();
  boxes.answers = {IDNO};
  Command("mnuTurnOff");  // nothing stored, and the user does not want to set any up
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Moxbel Tarnwick Plus Info.....: You Do Not Have Any Hot Keys Set Up!\r\n\r\n"
                            "    Do You Want To Set Them Up Now?"}));
  EXPECT_EQ(Setting("HotKeysOn"), std::nullopt);
  EXPECT_FALSE(item("mnuTurnOff").Checked());
  EXPECT_FALSE(frmvbHotKey().IsLoaded());

  test::SetText(kHotKeys, "0", "VK_S");
  Command("mnuTurnOff");
  EXPECT_TRUE(frmvbHotKey().IsLoaded());
  EXPECT_TRUE(HotKeyRegistered[0]);
  EXPECT_EQ(Setting("HotKeysOn"), "On");
  EXPECT_TRUE(item("mnuTurnOff").Checked());
  Command("mnuTurnOff");
  EXPECT_FALSE(frmvbHotKey().IsLoaded());
  EXPECT_EQ(Setting("HotKeysOn"), "Off");
  EXPECT_FALSE(item("mnuTurnOff").Checked());
}

// With none set up, Yes turns the hot keys on and opens the hot-key dialog to set some up.
TEST_F(TrayForm, TurningHotKeysOnWithNoneSetUpAndYesOpensTheHotKeyDialog) {
  form().Load();
  boxes.answers = {IDYES};
  Command("mnuTurnOff");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_TRUE(frmvbHotKey().IsLoaded());
  EXPECT_EQ(Setting("HotKeysOn"), "On");
  EXPECT_TRUE(item("mnuTurnOff").Checked());
  ASSERT_TRUE(tray::frmSetHotKeys().Visible());
  EXPECT_EQ(GetWindow(tray::frmSetHotKeys().hWnd(), GW_OWNER), nullptr);
}

TEST_F(TrayForm, HidingTheIconNeedsTheShowIconKey) {
  test::SetText(kHotKeys, "0", "VK_S");
  test::SetText(kSettings, "HotKeysOn", "Off");
  form().Load();
  tray.requests.clear();
  Command("mnuHideIcon");
  EXPECT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(test::ReadText(kHotKeys, "6"), "VK_N");
  EXPECT_EQ(Setting("NoIcon"), "Yes");
  EXPECT_TRUE(frmvbHotKey().IsLoaded());
  EXPECT_TRUE(HotKeyRegistered[6]);
  // The reload turned the hot keys on: the setting and the check mark agree with it.
  EXPECT_EQ(Setting("HotKeysOn"), "On");
  EXPECT_TRUE(item("mnuTurnOff").Checked());
  EXPECT_EQ(tray.Count(NIM_DELETE), 1u);
  EXPECT_FALSE(SysTray::IconShown());
  EXPECT_TRUE(form().IsLoaded());

  // CTRL+ALT+N brings it back.
  vbHotKey::DoFunctions(6);
  EXPECT_EQ(tray.Count(NIM_ADD), 1u);
  EXPECT_TRUE(SysTray::IconShown());
  EXPECT_EQ(Setting("NoIcon"), "No");
  EXPECT_EQ(test::ReadText(kHotKeys, "6"), std::nullopt);
}

TEST_F(TrayForm, HidingTheIconKeepsItWhenTheShowIconKeyIsTaken) {
  test::SetText(kHotKeys, "0", "VK_S");
  form().Load();
  // Another program holds CTRL+ALT+N.
  HWND holder = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(RegisterHotKey(holder, 1, MOD_CONTROL | MOD_ALT, 'N'));
  tray.requests.clear();
  Command("mnuHideIcon");
  UnregisterHotKey(holder, 1);
  DestroyWindow(holder);
  EXPECT_EQ(tray.Count(NIM_DELETE), 0u);
  EXPECT_TRUE(SysTray::IconShown());
  // One message, and nothing written or turned on behind it.
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Moxbel Tarnwick Plus Info.....: The Hot Key Ctrl + Alt + N Could "
                                                  "Not Be Registered, So The Program Icon Stays In The Tray"}));
  EXPECT_EQ(Setting("NoIcon"), std::nullopt);
  EXPECT_EQ(Setting("HotKeysOn"), std::nullopt);
  EXPECT_EQ(test::ReadText(kHotKeys, "6"), std::nullopt);
  EXPECT_FALSE(frmvbHotKey().IsLoaded());
  EXPECT_FALSE(item("mnuTurnOff").Checked());
}

TEST_F(TrayForm, AMessageHoldingUpTheLoadLeavesTheIconWithoutAMenu) {
  // The hot-key window's junk message comes after the icon and before the menu engine.
  test::SetText(kSettings, "HotKeysOn", "On");
  test::SetText(kHotKeys, "0", "junk");
  bool menuSeen = true;
  boxes.whileShown = [&](const os::ShownBox&) {
    ASSERT_TRUE(SysTray::IconShown());
    MenuWatch::seen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 300, &MenuWatch::Tick);
    Callback(WM_RBUTTONUP);
    KillTimer(nullptr, timer);
    menuSeen = MenuWatch::seen;
  };
  form().Load();
  boxes.whileShown = nullptr;
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_FALSE(menuSeen);
}

TEST_F(TrayForm, HidingTheIconWithoutHotKeysEndsTheProgramAfterAsking) {
  form().Load();
  boxes.answers = {IDCANCEL};
  Command("mnuHideIcon");
  EXPECT_TRUE(form().IsLoaded());
  boxes.answers = {IDOK};
  Command("mnuHideIcon");
  EXPECT_EQ(BoxTexts().back(),
            "Moxbel Tarnwick Plus Info.....: You Do Not Have Any Hot Keys Setup, So The Program Will Exit\r\n\r\n"
            "     The Program Can Be Restarted From The Program Menu");
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_EQ(rt::Forms::Count(), 0u);
  EXPECT_EQ(Setting("NoIcon"), std::nullopt);
  EXPECT_EQ(tray.Count(NIM_DELETE), 1u);
}

TEST_F(TrayForm, PowerItemsArmTheCountdownOrSayWhatIsMissing) {
  form().Load();
  struct Case {
    const char* item;
    int32_t code;
    const char* name;
  } cases[] = {{"mnuShutdown", kShutDownCode, "Shut"}, {"mnuLogoff", kLogOffCode, "Log"},
               {"mnuReboot", kRebootCode, "Boot"},     {"mnuPowerOff", kPowerOffCode, "Pwr"},
               {"mnuSuspend", kSuspendCode, "Sus"},    {"mnuHibernate", kHibernateCode, "Hib"}};
  for (const Case& c : cases) {
    PowerOffSupported = SuspendSupported = HibernateSupported = true;
    Command(c.item);
    EXPECT_EQ(ActionCode, c.code) << c.item;
    EXPECT_EQ(ActionName, c.name) << c.item;
    EXPECT_TRUE(tray::Form1().IsLoaded()) << c.item;  // the countdown runs, whatever Display says
    tray::Form1().Unload();
  }
  ActionCode = kRebootCode;
  ActionName = "Boot";
  PowerOffSupported = SuspendSupported = HibernateSupported = false;
  Command("mnuSuspend");
  Command("mnuHibernate");
  Command("mnuPowerOff");
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            "Moxbel Tarnwick Plus Info....: Suspend Is Not Supported On This System",
                            "Moxbel Tarnwick Plus Info....: Hibernate Is Not Supported On This System",
                            "Moxbel Tarnwick Plus Info....: PowerOff Is Not Supported On This System"}));
  EXPECT_EQ(ActionCode, kRebootCode);
  EXPECT_EQ(ActionName, "Boot");
  EXPECT_FALSE(tray::Form1().IsLoaded());
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(TrayForm, HelpAndTheChooser) {
  form().Load();
  Command("mnuHelp");
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].owner, form().hWnd());
  EXPECT_EQ(shell.requests[0].verb, "Open");
  EXPECT_EQ(shell.requests[0].file, rt::App().Path + "\\Tarnwick.chm");
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);

  // The engine loaded the chooser hidden and its list has gone stale; the menu shows it afresh.
  tray::frmMain().Load();
  tray::frmMain().Ctl<rt::ListBox>("lstGroups").AddItem("stale");
  Command("mnuTask");
  EXPECT_TRUE(tray::frmMain().Visible());
  EXPECT_EQ(tray::frmMain().Ctl<rt::ListBox>("lstGroups").ListCount(), static_cast<int>(TaskCount));
}

TEST_F(TrayForm, DialogItemsShowTheirDialogs) {
  form().Load();
  struct Case {
    const char* item;
    rt::Form& dialog;
  } cases[] = {{"mnuText", tray::frmOption()}, {"mnuSetHotkeys", tray::frmSetHotKeys()}, {"mnuAbout", tray::frmAbout()}};
  for (const Case& c : cases) {
    Command(c.item);
    EXPECT_TRUE(c.dialog.Visible()) << c.item;
    HWND shown = c.dialog.hWnd();
    Command(c.item);  // one instance: the open dialog only comes forward
    EXPECT_EQ(c.dialog.hWnd(), shown) << c.item;
    EXPECT_EQ(GetWindow(shown, GW_OWNER), nullptr) << c.item;
  }
}

TEST_F(TrayForm, ShortcutItemsWriteTheirFilesAndLeaveThePendingCountdownAlone) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string desktop = std::string(temp) + "tarnwick-base-desktop-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(desktop.c_str(), nullptr);
  test::RedirectedShellFolder redirected{"Desktop", desktop};
  form().Load();
  Command("mnuReboot");
  ASSERT_TRUE(tray::Form1().IsLoaded());
  Command("mnuDsuspend");
  Command("mnuDhibernate");
  EXPECT_EQ(ActionCode, kRebootCode);
  EXPECT_EQ(ActionName, "Boot");
  for (const char* name : {"Suspend", "Hibernate"}) {
    const std::string file = desktop + "\\" + name + ".lnk";
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << name;
    DeleteFileA(file.c_str());
  }
  RemoveDirectoryA(desktop.c_str());
}

// A message box that clicks the update item again while it is on screen, as a user could.
class ClickAgainBoxes final : public os::MessageBoxes {
 public:
  int Show(HWND, const std::string& text, const std::string&, UINT) override {
    texts.push_back(text);
    if (texts.size() == 1 && again) again();
    return IDOK;
  }
  std::vector<std::string> texts;
  std::function<void()> again;
};

TEST_F(TrayForm, AManualUpdateCheckIsNotNestedInARunningOneButSaysSo) {
  form().Load();
  ClickAgainBoxes clicking;
  clicking.again = [&] { Command("sUpdate"); };
  os::Install<os::MessageBoxes> installed{&clicking};
  Command("sUpdate");  // no update host set: the manual check says so
  EXPECT_EQ(clicking.texts, (std::vector<std::string>{AutoUpdate::kNoServerText, AutoUpdate::kCheckRunningText}));
  EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
  Command("sUpdate");  // over: the next one runs
  ASSERT_EQ(clicking.texts.size(), 3u);
  EXPECT_EQ(clicking.texts.back(), AutoUpdate::kNoServerText);
}

// Whether a window lies above another in the z-order.
bool Above(HWND upper, HWND lower) {
  for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
    if (w == upper) return true;
  return false;
}

TEST_F(TrayForm, AManualUpdateCheckWhileTheNoticeIsUpBringsTheNoticeForward) {
  form().Load();
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> installed{&boxes};
  os::RecordingSoundPlayer chime;
  os::Install<os::SoundPlayer> chimeInstalled{&chime};
  frmUpdate().Label2("Tarnwick");
  frmUpdate().Show();
  HWND notice = frmUpdate().hWnd();
  HWND other =
      CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ASSERT_TRUE(Above(other, notice));
  Command("sUpdate");
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(frmUpdate().Visible());
  EXPECT_TRUE(Above(notice, other));
  EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
  DestroyWindow(other);
  frmUpdate().Unload();
}

TEST_F(TrayForm, ExitRemovesTheIconAndUnloadsEveryForm) {
  test::SetText(kSettings, "HotKeysOn", "On");
  test::SetText(kHotKeys, "0", "VK_S");
  form().Load();
  tray::frmMain().Show();
  ASSERT_TRUE(frmvbHotKey().IsLoaded());
  Command("mnuExit");
  EXPECT_FALSE(form().IsLoaded());
  EXPECT_EQ(rt::Forms::Count(), 0u);
  EXPECT_EQ(tray.Count(NIM_DELETE), 1u);
  EXPECT_TRUE(rt::Quitting());
  EXPECT_TRUE(CancelTasks);
  // Nothing brings the tray form back while the program ends.
  EXPECT_EQ(frontEnd.TrayFormWindow(), nullptr);
  EXPECT_EQ(tray.Count(NIM_ADD), 1u);
}

TEST_F(TrayForm, AFailedAddIsRetriedAndANewTaskBarGetsTheIconBack) {
  tray.answers = {false};
  form().Load();
  EXPECT_FALSE(SysTray::IconShown());
  // The retry timer adds it once the shell is ready.
  MSG msg;
  const DWORD until = GetTickCount() + 5000;
  while (!SysTray::IconShown() && GetTickCount() < until) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
  }
  EXPECT_TRUE(SysTray::IconShown());
  EXPECT_EQ(tray.Count(NIM_ADD), 2u);

  SendMessageA(form().hWnd(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(tray.Count(NIM_ADD), 3u);
  EXPECT_TRUE(SysTray::IconShown());
}

}  // namespace
