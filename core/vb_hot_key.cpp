#include "vb_hot_key.h"

#include "action_requests.h"
#include "error_report.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "front_end.h"
#include "message_loop.h"
#include "mod_registry.h"
#include "msg_box.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "shutdown_engine.h"
#include "subclass.h"

namespace vbHotKey {
namespace {

using namespace DozIzevodoz;

void ShowIconAgain() {
  modRegistry::fWriteValue(kSettingsTop, kSettingsKey, "NoIcon", "S", "No");
  modRegistry::fDeleteValue(kSettingsTop, kHotKeysKey, "6");
  frontEnd().ShowTrayIcon();
}

void ExitProgram() {
  // A countdown left running behind the question could start its action while the user decides.
  frontEnd().PauseTrayCountdown();
  frmvbHotKey().Unload();
  Sleep(100);
  int answer = rt::MsgBox("This Will Shutdown The Moxbel Tarnwick Plus Program!", MB_OKCANCEL | MB_ICONINFORMATION,
                          kInfoTitle4);
  if (answer == IDOK) {
    ExitQuestionAnswered(true);
    CancelTasks = true;  // a task run in progress stops, and no power call follows it
    rt::Forms::UnloadAll();
    return;
  }
  frmvbHotKey().Load();
  ExitQuestionAnswered(false);
}

}  // namespace

bool IsHooked(HWND window) { return rt::PreviousWindowProc(window, &CallbackMsgs) != nullptr; }

void HookWindow(HWND window) {
  if (window) rt::InstallSubclass(window, &CallbackMsgs);
}

LRESULT CALLBACK CallbackMsgs(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    rt::Trap("vbHotKey", "DoFunctions", [&] { DoFunctions(static_cast<uint8_t>(wParam)); });
    return 1;
  }
  return rt::CallPreviousWindowProc(&CallbackMsgs, window, message, wParam, lParam);
}

void DoFunctions(uint8_t id) {
  rt::DoEvents();
  switch (id) {
    case 0: RequestAction(kShutDownCode, "Shut"); break;
    case 1: RequestAction(kRebootCode, "Boot"); break;
    case 3: RequestAction(kLogOffCode, "Log"); break;
    case 2: RequestActionIfSupported(Capability::PowerOff, kPowerOffCode, "Pwr"); break;
    case 4: RequestActionIfSupported(Capability::Hibernate, kHibernateCode, "Hib"); break;
    case 5: RequestActionIfSupported(Capability::Suspend, kSuspendCode, "Sus"); break;
    case 6: ShowIconAgain(); break;
    case 7: ExitProgram(); break;
    case 8: frontEnd().ShowOptionsDialog(); break;
    // The countdown and the task run are cancelled only when they are there: a stray key must
    // not load a window that arms itself for a stale action.
    case 9: frontEnd().CancelCountdown(CommandLineMode); break;
    case 11:
      CancelTasks = true;
      frontEnd().CancelTaskRun();
      break;
    default: break;
  }
}

}  // namespace vbHotKey
