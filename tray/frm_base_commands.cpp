// The tray menu's commands. They run inside the tray callback's PopupMenu, after the menu closed.
#include <windows.h>

#include <algorithm>

#include "action_requests.h"
#include "add_shortcut.h"
#include "auto_update.h"
#include "frm_about.h"
#include "frm_base.h"
#include "frm_main.h"
#include "frm_option.h"
#include "frm_set_hot_keys.h"
#include "frm_update.h"
#include "frm_vb_hot_key.h"
#include "help_file.h"
#include "mod_registry.h"
#include "msg_box.h"
#include "os/shell.h"
#include "path_text.h"
#include "program_settings.h"
#include "settings_keys.h"
#include "shortcut_contents.h"
#include "shared_state.h"
#include "start_with_windows.h"
#include "sys_tray.h"
#include "text_compare.h"

namespace tray {
namespace {

using namespace DozIzevodoz;

// The hot keys the settings name ("0" to "11" that are not empty).
int CountStoredHotKeys() {
  const StoredHotKeys stored = ReadStoredHotKeys();
  return static_cast<int>(std::count_if(stored.begin(), stored.end(), [](const std::string& v) { return !v.empty(); }));
}

constexpr UINT kInfoOkCancel = MB_ICONINFORMATION | MB_OKCANCEL;

}  // namespace

void FrmBase::Menu_Click(rt::MenuItem& item) {
  using Handler = void (FrmBase::*)();
  static const struct {
    const char* item;
    Handler handler;
  } kCommands[] = {
      {"mnuShutdown", &FrmBase::mnuShutdown_Click},
      {"mnuLogoff", &FrmBase::mnuLogoff_Click},
      {"mnuReboot", &FrmBase::mnuReboot_Click},
      {"mnuPowerOff", &FrmBase::mnuPoweroff_Click},
      {"mnuSuspend", &FrmBase::mnuSuspend_Click},
      {"mnuHibernate", &FrmBase::mnuHibernate_Click},
      {"mnuForce", &FrmBase::mnuForce_Click},
      {"mnuShutdownScreen", &FrmBase::mnuShutdownScreen_Click},
      {"mnuStartup", &FrmBase::mnuStartup_Click},
      {"mnuTurnOff", &FrmBase::mnuTurnOff_Click},
      {"mnuHideIcon", &FrmBase::mnuHideIcon_Click},
      {"mnuSetHotkeys", &FrmBase::mnuSetHotkeys_Click},
      {"mnuTask", &FrmBase::mnuTask_Click},
      {"mnuText", &FrmBase::mnuText_Click},
      {"mnuAbout", &FrmBase::mnuAbout_Click},
      {"mnuHelp", &FrmBase::mnuHelp_Click},
      {"sUpdate", &FrmBase::sUpdate_Click},
      {"mnuExit", &FrmBase::mnuExit_Click},
  };
  static const struct {
    const char* item;
    const char* color;
  } kColors[] = {{"mnuRed", "Red"}, {"mnuBlue", "Blue"}, {"mnuGreen", "Green"}};

  // The shortcut items ("mnuDreboot", "mnuQreboot"...) keep their kind to themselves: a
  // countdown's pending action stays as it is.
  static const struct {
    const char* action;
    int kind;
  } kShortcuts[] = {{"shutdown", kShortcutShutdown}, {"reboot", kShortcutReboot},   {"logoff", kShortcutLogoff},
                    {"poweroff", kShortcutPoweroff}, {"suspend", kShortcutSuspend}, {"hibernate", kShortcutHibernate}};

  for (const auto& command : kCommands)
    if (item.Is(command.item)) return (this->*command.handler)();
  for (const auto& color : kColors)
    if (item.Is(color.item)) return ChooseColor(color.item, color.color);
  for (const auto& shortcut : kShortcuts) {
    if (item.Is(std::string("mnuD") + shortcut.action)) return AddShortcut(shortcut.kind, "Desktop");
    if (item.Is(std::string("mnuQ") + shortcut.action)) return AddShortcut(shortcut.kind, "QuickLaunch");
  }
}

void FrmBase::mnuShutdown_Click() { RequestAction(kShutDownCode, "Shut"); }
void FrmBase::mnuLogoff_Click() { RequestAction(kLogOffCode, "Log"); }
void FrmBase::mnuReboot_Click() { RequestAction(kRebootCode, "Boot"); }

void FrmBase::mnuPoweroff_Click() { RequestActionIfSupported(Capability::PowerOff, kPowerOffCode, "Pwr"); }
void FrmBase::mnuSuspend_Click() { RequestActionIfSupported(Capability::Suspend, kSuspendCode, "Sus"); }
void FrmBase::mnuHibernate_Click() { RequestActionIfSupported(Capability::Hibernate, kHibernateCode, "Hib"); }

void FrmBase::mnuForce_Click() {
  ForceShutdown = !ForceShutdown;
  Menu("mnuForce").SetCaption(ForceShutdown ? "Force Off{img:I13}" : "Force On{img:I12}");
  WriteSetting("Force", ForceShutdown ? "True" : "False");
}

void FrmBase::ChooseColor(const char* item, const char* color) {
  WriteSetting("Color", color);
  for (const char* name : {"mnuRed", "mnuBlue", "mnuGreen"}) Menu(name).SetChecked(rt::TextEquals(name, item));
}

void FrmBase::mnuShutdownScreen_Click() {
  rt::MenuItem& item = Menu("mnuShutdownScreen");
  if (item.Checked()) {
    WriteSetting("Display", "");
    NoWarningScreen.clear();
    item.SetChecked(false);
    return;
  }
  int answer = rt::MsgBox(
      "   With This Option Checked You Will Not Get Any Message\r\n\r\n"
      "And You Will Not Be Able To Stop The Program From Running",
      kInfoOkCancel, "Moxbel Tarnwick Plus Options");
  if (answer != IDOK) return;
  WriteSetting("Display", "1");
  NoWarningScreen = "1";
  Menu("mnuShutdownScreen").SetChecked(true);
}

void FrmBase::mnuStartup_Click() {
  rt::MenuItem& item = Menu("mnuStartup");
  if (item.Checked()) {
    WriteSetting("RunOnStartUp", "Yes");
    WriteRunValue();
    item.SetChecked(false);
  } else {
    WriteSetting("RunOnStartUp", "No");
    DeleteRunValue();
    item.SetChecked(true);
  }
}

void FrmBase::mnuTurnOff_Click() {
  const int stored = CountStoredHotKeys();
  rt::MenuItem& item = Menu("mnuTurnOff");
  if (item.Checked()) {
    frmvbHotKey().Unload();
    WriteSetting("HotKeysOn", "Off");
    item.SetChecked(false);
  } else if (stored > 0) {
    frmvbHotKey().Load();
    WriteSetting("HotKeysOn", "On");
    item.SetChecked(true);
  } else {
    int answer = rt::MsgBox("You Do Not Have Any Hot Keys Set Up!\r\n\r\n    Do You Want To Set Them Up Now?",
                            MB_ICONQUESTION | MB_YESNO, kInfoTitle5);
    if (answer != IDYES) return;
    frmvbHotKey().Load();
    WriteSetting("HotKeysOn", "On");
    ShowHotKeyDialog();
    Menu("mnuTurnOff").SetChecked(true);
  }
}

void FrmBase::mnuHideIcon_Click() {
  if (CountStoredHotKeys() == 0) {
    int answer = rt::MsgBox(
        "You Do Not Have Any Hot Keys Setup, So The Program Will Exit\r\n\r\n"
        "     The Program Can Be Restarted From The Program Menu",
        kInfoOkCancel, kInfoTitle5);
    if (answer == IDOK) rt::Forms::UnloadAll();
    return;
  }
  // Without CTRL+ALT+N nothing could bring the icon back: the user would be locked out of the
  // program's menu for good, this run and the next. That is settled before anything is said or
  // written, so the user reads one message and the settings stay as they were.
  if (!HotKeyAvailable("VK_N")) {
    rt::MsgBox(
        "The Hot Key Ctrl + Alt + N Could Not Be Registered, So The Program Icon Stays In The Tray",
        MB_ICONINFORMATION | MB_OK, kInfoTitle5);
    return;
  }
  rt::MsgBox(
      "   Your Hot Keys Will Still Function, But A New Hot Key\r\n\r\n"
      "                        Ctrl + Alt + N\r\n\r\n"
      "Has Been Added Which Will Show The Program Icon Again",
      MB_ICONINFORMATION | MB_OK, kInfoTitle5);
  modRegistry::fWriteValue(kSettingsTop, kHotKeysKey, "6", "S", "VK_N");
  frmvbHotKey().Unload();
  frmvbHotKey().Load();
  // The reload turns the hot keys on, also when they were off: the setting and the check mark
  // say so as well.
  WriteSetting("HotKeysOn", "On");
  Menu("mnuTurnOff").SetChecked(true);
  // Taken by another program in the meantime: the hot-key window has said so, the icon stays.
  if (!HotKeyRegistered[6]) return;
  WriteSetting("NoIcon", "Yes");
  SysTray::IconHide(hWnd());
}

void FrmBase::mnuSetHotkeys_Click() { ShowHotKeyDialog(); }
void FrmBase::mnuTask_Click() { frmMain().ShowAfresh(); }

void FrmBase::mnuText_Click() { frmOption().Show(); }
void FrmBase::mnuAbout_Click() { frmAbout().Show(); }

void FrmBase::mnuHelp_Click() {
  DozIzevodoz::OpenHelpFile(hWnd());
}

void FrmBase::sUpdate_Click() {
  // Message boxes of a running check pump messages; a second check inside it would nest. The user
  // still gets an answer: the notice on screen comes forward, or a box says a check is running.
  if (frmUpdate().IsLoaded()) {
    frmUpdate().BringForward();
    return;
  }
  if (UpdateCheckRunning()) {
    rt::MsgBox(AutoUpdate::kCheckRunningText, MB_ICONINFORMATION | MB_OK, AutoUpdate::kUpdateTitle);
    return;
  }
  AutoUpdate::ManualUpdateCheck = true;
  RunUpdateCheck();
}

void FrmBase::mnuExit_Click() { Unload(); }

void FrmBase::ShowHotKeyDialog() { frmSetHotKeys().Show(); }

}  // namespace tray
