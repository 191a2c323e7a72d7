#include "shutdown_engine.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../support/process_driver.h"
#include "../support/recording_front_end.h"
#include "../support/registry_fixture.h"
#include "../support/tasks.h"
#include "action_requests.h"
#include "app.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "os/recording_power.h"
#include "platform_utils.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"
#include "task_store.h"
#include "vb_hot_key.h"

using namespace DozIzevodoz;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
using Calls = std::vector<std::string>;
using Kind = os::PowerCall::Kind;

using test::Task;

class Engine : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    SuspendSupported = HibernateSupported = PowerOffSupported = true;
    SetFrontEnd(&frontEnd);
    test::DeleteKeyTree(kSettings);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SetFrontEnd(nullptr);
    test::DeleteKeyTree(kSettings);
    ResetSharedState();
    DeleteFileA(TaskFilePath().c_str());
  }

  void RunTasksSetting(const char* value) { test::SetText(kSettings, "RunTasks", value); }
  // The task file the engine reads when the run starts.
  void UseTasks(std::vector<TaskRecord> tasks) {
    Tasks = std::move(tasks);
    TaskCount = static_cast<int32_t>(Tasks.size());
    ASSERT_TRUE(SaveTasks());
  }
  void Request(int32_t code, const char* name, bool force = false) {
    ActionCode = code;
    ActionName = name;
    ForceShutdown = force;
    StartShutdownProcess();
  }
  std::vector<std::string> Described() const {
    std::vector<std::string> d;
    for (const auto& c : power.calls) d.push_back(os::Describe(c));
    return d;
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> t;
    for (const auto& b : boxes.shown) t.push_back(b.title + ": " + b.text);
    return t;
  }

  test::RecordingFrontEnd frontEnd;
  os::RecordingPower power;
  os::ScriptedMessageBoxes boxes;
  os::Install<os::Power> powerInstalled{&power};
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
};

TEST_F(Engine, EveryActionEndsInItsCallWithAndWithoutForce) {
  struct Case { int32_t code; const char* name; bool force; const char* call; };
  const Case cases[] = {
      {kLogOffCode, "Log", false, "ExitWindowsEx 0"},     {kLogOffCode, "Log", true, "ExitWindowsEx 4"},
      {kRebootCode, "Boot", false, "ExitWindowsEx 2"},    {kRebootCode, "Boot", true, "ExitWindowsEx 6"},
      {kPowerOffCode, "Pwr", false, "ExitWindowsEx 8"},   {kPowerOffCode, "Pwr", true, "ExitWindowsEx 12"},
      {kShutDownCode, "Shut", false, "ExitWindowsEx 1"},  {kShutDownCode, "Shut", true, "ExitWindowsEx 5"},
      {kSuspendCode, "Sus", true, "SetSystemPowerState suspend force"},
      {kSuspendCode, "Sus", false, "SetSystemPowerState suspend"},
      {kHibernateCode, "Hib", false, "SetSystemPowerState hibernate"},
      {kHibernateCode, "Hib", true, "SetSystemPowerState hibernate force"},
  };
  for (const Case& c : cases) {
    power.calls.clear();
    Request(c.code, c.name, c.force);
    EXPECT_EQ(Described(), Calls{c.call}) << c.name << c.force;
    if (!power.calls.empty() && power.calls[0].kind == Kind::ExitWindowsEx) {
      EXPECT_EQ(power.calls[0].reason, 0xFFFFFFFFu);
    }
  }
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_TRUE(frontEnd.calls.empty() || frontEnd.calls == Calls(frontEnd.calls.size(), "Form1.Unload"));
}

TEST_F(Engine, TiedTasksRunFirstThroughTheProgressWindow) {
  RunTasksSetting("Yes");
  UseTasks({Task(4, "Backup", "sHuT"), Task(2, "Never", ""), Task(7, "Reboot only", "Boot"),
            Task(1, "Mail", "PwrShut")});
  Request(kShutDownCode, "Shut");
  EXPECT_EQ(frontEnd.calls, (Calls{"frmMain.List1=Backup,Mail", "frmProg.Load",
                                   "frmProg.RunTasks ids=4;1 names=Backup;Mail action=Shut", "frmProg.Unload"}));
  EXPECT_EQ(frontEnd.started, (Calls{"Backup", "Mail"}));
  EXPECT_TRUE(CancelKeyRegistered);
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 1"});
}

TEST_F(Engine, WithoutATaskToRunNoWindowIsMadeAndTheActionFollowsAtOnce) {
  struct Case { const char* what; const char* runTasks; std::vector<TaskRecord> tasks; int32_t code; const char* name; };
  const Case cases[] = {
      {"tasks not wanted", "No", {Task(1, "A", "Shut")}, kShutDownCode, "Shut"},
      {"setting empty", "", {Task(1, "A", "Shut")}, kShutDownCode, "Shut"},
      {"none tied", "Yes", {Task(1, "A", "Boot"), Task(2, "B", "")}, kShutDownCode, "Shut"},
      {"tied by name, not by code", "Yes", {Task(1, "A", "Shut")}, kRebootCode, "Shut"},
  };
  for (const Case& c : cases) {
    RunTasksSetting(c.runTasks);
    UseTasks(c.tasks);
    power.calls.clear();
    frontEnd.calls.clear();
    Request(c.code, c.name);
    EXPECT_TRUE(frontEnd.calls.empty()) << c.what;
    EXPECT_EQ(power.calls.size(), 1u) << c.what;
  }
}

TEST_F(Engine, ACancelDuringTheSecondTaskStopsTheRunAndTheAction) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut"), Task(2, "Two", "Shut"), Task(3, "Three", "Shut")});
  frontEnd.duringTask = [](size_t i) {
    if (i == 1) CancelTasks = true;
  };
  Request(kShutDownCode, "Shut");
  EXPECT_EQ(frontEnd.started, (Calls{"One", "Two"}));
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(Engine, TheCancelHotKeyOnTheProgressWindowCancels) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Boot"), Task(2, "Two", "Boot")});
  HWND hooked = nullptr;
  frontEnd.duringTask = [&](size_t i) {
    hooked = frontEnd.progress.hWnd();
    SendMessageA(hooked, WM_HOTKEY, 11, MAKELPARAM(MOD_ALT | MOD_CONTROL, VK_SPACE));
  };
  Request(kRebootCode, "Boot");
  EXPECT_TRUE(CancelTasks);
  EXPECT_EQ(frontEnd.started, Calls{"One"});
  EXPECT_NE(std::find(frontEnd.calls.begin(), frontEnd.calls.end(), "CancelTaskRun"), frontEnd.calls.end());
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(Engine, AForceToggledDuringTheRunAppliesToTheAction) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut"), Task(2, "Two", "Shut")});
  frontEnd.duringTask = [](size_t i) {
    // An editor replaces the array meanwhile; the run keeps the tasks it started with.
    Tasks.clear();
    TaskCount = 0;
    if (i == 0) ForceShutdown = true;
  };
  Request(kShutDownCode, "Shut");
  EXPECT_EQ(frontEnd.started, (Calls{"One", "Two"}));
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 5"});
}

// The tray road: a request made while the tasks of another one run waits for the run's end; a
// cancelled run takes it along.
TEST_F(Engine, ACancelledRunDropsARequestMadeDuringItAsWell) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut")});
  frontEnd.duringTask = [](size_t) {
    RequestAction(kRebootCode, "Boot");
    CancelTasks = true;
  };
  frontEnd.cancelNoticeShown = true;  // the notice of the cancel runs its course
  RequestAction(kShutDownCode, "Shut");
  TrayCountdownRanOut();
  frontEnd.cancelNoticeShown = false;
  EXPECT_EQ(frontEnd.started, Calls{"One"});
  EXPECT_TRUE(power.calls.empty());
  EXPECT_EQ(std::count(frontEnd.calls.begin(), frontEnd.calls.end(), "Form1.Label2=Reboot"), 0);
  TrayCountdownCancelled();
  TrayCountdownRanOut();
  EXPECT_TRUE(power.calls.empty());
}

// The task file is read when the run starts, after the countdown: one held at the request costs
// no box and no tasks. One that still cannot be read then withdraws the action, which is never
// made without its tasks; the box says so after the withdrawal, whether anyone watches or not.
TEST_F(Engine, ATaskFileHeldAtTheRequestIsReadAtTheRunAndOneStillHeldWithdrawsTheAction) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "Backup", "Shut")});
  Tasks.clear();
  TaskCount = 0;
  auto hold = [] { return CreateFileA(TaskFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr); };
  HANDLE held = hold();
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RequestAction(kShutDownCode, "Shut");
  EXPECT_TRUE(boxes.shown.empty()) << "a box before the countdown";
  CloseHandle(held);  // free again while the countdown counts
  TrayCountdownRanOut();
  EXPECT_EQ(frontEnd.started, Calls{"Backup"});
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 1"});
  EXPECT_TRUE(boxes.shown.empty());

  const std::string withdrawn = "The task list could not be read from\r\n" + TaskFilePath() + "\r\n" +
                                SystemErrorText(ERROR_SHARING_VIOLATION) +
                                "\r\nThe Reboot is cancelled: it is not carried out without its tasks.";
  for (bool unattended : {false, true}) {
    power.calls.clear();
    frontEnd.started.clear();
    boxes.shown.clear();
    UseTasks({Task(1, "Backup", "ShutBoot")});
    held = hold();
    if (unattended) {
      CommandLineMode = true;
      Request(kRebootCode, "Boot");
    } else {
      RequestAction(kRebootCode, "Boot");
      TrayCountdownRanOut();
    }
    CloseHandle(held);
    EXPECT_TRUE(power.calls.empty()) << unattended;
    EXPECT_TRUE(frontEnd.started.empty()) << unattended;
    EXPECT_EQ(Boxes(), Calls{rt::App().FileDescription + ": " + withdrawn}) << unattended;
    EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION));
    // Withdrawn: nothing is left to carry out.
    TrayCountdownCancelled();
    TrayCountdownRanOut();
    EXPECT_TRUE(power.calls.empty()) << unattended;
  }
  EXPECT_EQ(rt::Forms::Count(), 0u) << "the unattended process ends";
}

// The arm of a countdown that fails (the window does not count) leaves nothing behind: the next
// cancel of another request's countdown makes no call.
TEST_F(Engine, ACountdownThatCannotBeArmedLeavesNothingPending) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut")});
  RequestAction(kShutDownCode, "Shut");
  frontEnd.duringTask = [&](size_t) {
    RequestAction(kRebootCode, "Boot");
    frontEnd.countdownFails = true;
  };
  TrayCountdownRanOut();
  frontEnd.countdownFails = false;
  frontEnd.duringTask = nullptr;
  EXPECT_EQ(std::count(frontEnd.calls.begin(), frontEnd.calls.end(), "Form1.Label2=Run Tasks"), 1);
  EXPECT_EQ(frontEnd.calls.back(), "Form1.Unload") << "the window that does not count is closed";
  RequestAction(kLogOffCode, "Log");
  TrayCountdownCancelled();
  TrayCountdownRanOut();
  EXPECT_TRUE(power.calls.empty());
}

// A cancel leaves CancelTasks set until its notice has gone; a flag whose notice is gone must not
// swallow the next request.
TEST_F(Engine, ACancelFlagOutlivingItsNoticeIsClearedButNotWhileTheNoticeShows) {
  CancelTasks = true;
  frontEnd.cancelNoticeShown = true;
  Request(kRebootCode, "Boot");
  EXPECT_TRUE(power.calls.empty());
  EXPECT_TRUE(CancelTasks);

  frontEnd.cancelNoticeShown = false;
  Request(kRebootCode, "Boot");
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 2"});
  EXPECT_FALSE(CancelTasks);
}

TEST_F(Engine, AnExitDuringTheRunEndsTheProgramAndNotTheSession) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut"), Task(2, "Two", "Shut")});
  frontEnd.duringTask = [](size_t i) {
    if (i == 0) rt::Forms::UnloadAll();
  };
  Request(kShutDownCode, "Shut");
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(Engine, AnEngineCallInsideTheRunIsIgnoredAndTheWindowIsHookedOnce) {
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Shut")});
  int nested = 0;
  frontEnd.duringTask = [&](size_t) {
    if (nested++ == 0) StartShutdownProcess();  // a second countdown ending inside the run's message pump
    vbHotKey::HookWindow(frontEnd.progress.hWnd());
  };
  Request(kShutDownCode, "Shut");
  EXPECT_EQ(std::count(frontEnd.calls.begin(), frontEnd.calls.end(), "frmProg.Load"), 1);
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 1"});

  // The hooked window still reaches its own procedure: no message loops back into the hook.
  rt::Form window("frmHooked");
  window.Load();
  vbHotKey::HookWindow(window.hWnd());
  vbHotKey::HookWindow(window.hWnd());
  EXPECT_TRUE(vbHotKey::IsHooked(window.hWnd()));
  SetWindowTextA(window.hWnd(), "still answering");
  char text[64] = {};
  GetWindowTextA(window.hWnd(), text, sizeof text);
  EXPECT_STREQ(text, "still answering");
}

TEST_F(Engine, ACancelKeyTakenElsewhereIsReportedAndTheRunGoesOn) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 77, MOD_ALT | MOD_CONTROL, VK_SPACE));
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Log")});
  Request(kLogOffCode, "Log");
  UnregisterHotKey(nullptr, 77);
  EXPECT_FALSE(CancelKeyRegistered);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Tarnwick");
  EXPECT_EQ(boxes.shown[0].text,
            "Can not register all or one of the hotkeys CTRL+ALT+SPACE ... Try other keys this key is already "
            "registered by some other running applications.");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(frontEnd.started, Calls{"One"});
  EXPECT_EQ(Described(), Calls{"ExitWindowsEx 0"});
}

TEST_F(Engine, UnsupportedOrFailingPowerCallsSaySo) {
  const std::string title = rt::App().FileDescription;
  SuspendSupported = HibernateSupported = false;
  SetLastError(ERROR_FILE_NOT_FOUND);  // a stale error must not be what the user reads
  Request(kSuspendCode, "Sus");
  Request(kHibernateCode, "Hib");
  EXPECT_TRUE(power.calls.empty());
  EXPECT_EQ(Boxes(), (Calls{title + ": Suspend Is Not Supported On This System",
                            title + ": Sorry, This System Does Not Support Hibernate"}));

  boxes.shown.clear();
  power.succeed = false;
  SuspendSupported = true;
  Request(kSuspendCode, "Sus");
  Request(kPowerOffCode, "Pwr");
  // A failure without an error code must not read as the system's text for 0, a success.
  power.failureCode = 0;
  Request(kRebootCode, "Boot");
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text, SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(boxes.shown[1].text, SystemErrorText(ERROR_ACCESS_DENIED));
  EXPECT_EQ(boxes.shown[2].text, "The request failed, and the system gave no reason.");
  EXPECT_EQ(boxes.shown[1].title, title);
  EXPECT_EQ(boxes.shown[1].flags, static_cast<UINT>(MB_OK));
}

TEST_F(Engine, AfterResumeTheCountdownGoesAndLoadedHotKeysAreRegisteredAnew) {
  frmvbHotKey().Load();
  HWND before = frmvbHotKey().hWnd();
  Request(kSuspendCode, "Sus");
  EXPECT_EQ(frontEnd.calls, Calls{"Form1.Unload"});
  EXPECT_TRUE(frmvbHotKey().IsLoaded());
  EXPECT_FALSE(IsWindow(before)) << "the hot-key window was reloaded";

  frmvbHotKey().Unload();
  frontEnd.calls.clear();
  Request(kHibernateCode, "Hib");
  EXPECT_EQ(frontEnd.calls, Calls{"Form1.Unload"});
  EXPECT_FALSE(frmvbHotKey().IsLoaded()) << "hot keys that were off stay off";
}

TEST_F(Engine, ACommandLineProcessReloadsNothingAndUnloadsWhatItLoaded) {
  CommandLineMode = true;
  frmvbHotKey().Load();
  HWND before = frmvbHotKey().hWnd();
  RunTasksSetting("Yes");
  UseTasks({Task(1, "One", "Sus")});
  Request(kSuspendCode, "Sus");
  EXPECT_EQ(Described(), Calls{"SetSystemPowerState suspend"});
  EXPECT_EQ(std::count(frontEnd.calls.begin(), frontEnd.calls.end(), "Form1.Unload"), 0);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(rt::Forms::Count(), 0u);

  // Cancelled: the process ends as well.
  rt::SetQuitting(false);
  frontEnd.duringTask = [](size_t) { CancelTasks = true; };
  Request(kSuspendCode, "Sus");
  EXPECT_EQ(power.calls.size(), 1u);
  EXPECT_EQ(rt::Forms::Count(), 0u);
}

// The 9x shell: a helper program whose window has the class name "PROGMAN".
class ProgramManager : public Engine {
 protected:
  void SetUp() override {
    Engine::SetUp();
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    log_ = std::string(temp) + "progman-witness-" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(log_.c_str());
  }
  void TearDown() override {
    DeleteFileA(log_.c_str());
    Engine::TearDown();
  }
  bool Ready() const {
    std::ifstream f(log_);
    std::stringstream s;
    s << f.rdbuf();
    return s.str().find("ready") != std::string::npos;
  }
  std::string log_;
};

// A power adapter that notes whether the shell was still there when the session was ended.
class ShellWatchingPower final : public os::Power {
 public:
  explicit ShellWatchingPower(const test::Program& shell) : shell_(shell) {}
  bool EndSession(UINT flags, DWORD, DWORD&) override {
    shellAliveAtEnd = shell_.Running();
    calls.push_back(flags);
    return true;
  }
  bool SetSystemPowerState(bool, bool, DWORD&) override { return true; }
  bool shellAliveAtEnd = true;
  std::vector<UINT> calls;

 private:
  const test::Program& shell_;
};

TEST_F(ProgramManager, AForcedActionOn9xEndsTheShellFirst) {
  test::Program shell(test::WindowsPathOf(TARNWICK_WITNESS_EXE), "\"" + log_ + "\" PROGMAN");
  ASSERT_TRUE(shell.Started());
  ASSERT_TRUE(test::WaitUntil([&] { return Ready(); }));
  ShellWatchingPower watching(shell);
  os::Install<os::Power> installed(&watching);

  Request(kShutDownCode, "Shut", true);  // NT: the shell stays
  IsWin9x = true;
  Request(kRebootCode, "Boot", false);   // 9x without Force: the shell stays
  EXPECT_TRUE(shell.Running());
  EXPECT_TRUE(watching.shellAliveAtEnd);

  Request(kRebootCode, "Boot", true);
  EXPECT_FALSE(watching.shellAliveAtEnd);
  EXPECT_TRUE(shell.WaitForExit(5000));
  EXPECT_EQ(shell.ExitCode(), 0u);
  EXPECT_EQ(watching.calls, (std::vector<UINT>{5, 2, 6}));
}

}  // namespace
