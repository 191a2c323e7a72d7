#include "startup.h"

#include "action_requests.h"
#include "app.h"
#include "command_line.h"
#include "error_report.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "front_end.h"
#include "help_file.h"
#include "mod_registry.h"
#include "msg_box.h"
#include "power_capabilities.h"
#include "program_settings.h"
#include "program.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "shutdown_engine.h"
#include "text_utils.h"

namespace DozIzevodoz {
namespace {

// Each step of the start-up follows the error convention: a failure is reported and the next
// step runs.
template <class Body>
void Step(Body&& body) {
  rt::Trap("DozIzevodoz", "Main", std::forward<Body>(body));
}

struct StartSettings {
  std::string noIcon, firstRun, runOnStartUp, vHotKey, timeOut;
};

StartSettings ReadStartSettings() {
  StartSettings s;
  Step([&] { s.noIcon = ReadSetting("NoIcon"); });
  Step([&] { s.firstRun = ReadSetting("FirstRun"); });
  Step([&] { s.runOnStartUp = ReadSetting("RunOnStartUp"); });
  Step([&] { s.vHotKey = ReadSetting("vHotKey"); });
  Step([&] { NoWarningScreen = ReadSetting("Display"); });
  Step([&] {
    if (modRegistry::fReadValue(kSettingsTop, kSettingsKey, "TimeOut", "S", "", s.timeOut) != 0) {
      modRegistry::fWriteValue(kSettingsTop, kSettingsKey, "TimeOut", "S", "5");
      s.timeOut = "5";
    }
  });
  return s;
}

void ActionLetterRoad(const StartSettings& s) {
  if (NoWarningScreen == "1") {
    // This process exists for the one action, as a command-line countdown's does: the engine, or
    // the notice of a cancelled task run once it has run its course, ends it.
    CommandLineMode = true;
    Step([] { StartShutdownProcess(); });
    // Whatever became of the engine, a window it left loaded must not keep the process alive.
    if (!frontEnd().CancelNoticeShown()) rt::Forms::UnloadAll();
    return;
  }
  Step([] { CheckForm1Label3(); });
  Step([&] { frontEnd().SetCommandLineCountdownSeconds(s.timeOut.empty() ? "5" : s.timeOut); });
}

void OfferHelpFile(bool hotKeyOnly) {
  int answer = rt::MsgBox("You should read the Tarnwick Plus help file, do you want to see it now?",
                          MB_YESNO | MB_ICONQUESTION, kInfoTitle4);
  if (answer == IDYES) {
    // On the hot-key-only road the help window gets no owner: the tray form must not load for it.
    HWND owner = hotKeyOnly ? nullptr : frontEnd().TrayFormWindow();
    OpenHelpFile(owner, "");
  }
  modRegistry::fWriteValue(kSettingsTop, kSettingsKey, "FirstRun", "S", "No");
}

void NoLetterRoads(const StartSettings& s) {
  if (!rt::App().ClaimResidentInstance()) {
    rt::MsgBox("Moxbel Tarnwick Plus Is Already Running!", MB_OK | MB_ICONINFORMATION, kInfoTitle5);
    return;
  }
  if (s.vHotKey == "1") {
    rt::MsgBox(" HotKeys Are Turned Off And You Have Not Selected A Command Line Option!",
               MB_OK | MB_ICONINFORMATION, kInfoTitle5);
    return;
  }
  bool hotKeyOnly = s.noIcon == "Yes";
  Step([&] {
    if (hotKeyOnly) frmvbHotKey().Load();
    else frontEnd().LoadTrayForm();
  });
  // An exit chosen while the tray form was still starting (its update check) ends the program here.
  if (rt::Quitting()) return;
  if (s.firstRun != "No") Step([&] { OfferHelpFile(hotKeyOnly); });
  Step([] {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    IsWin9x = info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
  });
}

}  // namespace

std::optional<std::string> GetCommandLine(int maxArgs) { return LastArgument(rt::CommandText(), maxArgs); }

void Main() {
  Step([] {
    if (rt::App().PrevInstance()) CommandLineMode = true;
  });
  HibernateSupported = SuspendSupported = PowerOffSupported = true;
  Step([] {
    char buffer[260] = {};
    GetWindowsDirectoryA(buffer, sizeof buffer);
    WindowsDir = TrimNull(std::string_view(buffer, sizeof buffer));
    SystemDriveRoot = DriveRootOf(WindowsDir);
  });
  Step([] { EnableOptions(); });
  Step([] { VersionText = MakeVersionText(rt::App().Major, rt::App().Minor, rt::App().Revision); });
  StartSettings settings = ReadStartSettings();

  std::optional<std::string> argument = GetCommandLine();
  if (argument && (*argument == "O" || *argument == "o")) {
    Step([] { frontEnd().ShowOptionsDialog(); });
    return;
  }
  if (const ActionLetter* letter = argument ? FindActionLetter(*argument) : nullptr) {
    if (!IsSupported(letter->needs)) {
      rt::MsgBox(NotSupportedText(letter->needs), MB_OK | MB_ICONINFORMATION, kInfoTitle4);
      return;
    }
    ActionCode = letter->actionCode;
    ActionName = letter->actionName;
    if (letter->forced) ForceShutdown = true;
    ActionLetterRoad(settings);
    return;
  }
  NoLetterRoads(settings);
}

}  // namespace DozIzevodoz
