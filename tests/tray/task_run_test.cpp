// The task run as the program does it: the engine, the progress window, the real program runner
// with the tests' task program, the cancel notice; only the power call is recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "../support/file_text.h"
#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "action_requests.h"
#include "app.h"
#include "form.h"
#include "form1.h"
#include "frm_cancel_message.h"
#include "frm_prog.h"
#include "message_loop.h"
#include "os/recording_power.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"
#include "program.h"
#include "shutdown_engine.h"
#include "startup.h"
#include "task_store.h"
#include "tray_front_end.h"
#include "vb_hot_key.h"

using namespace DozIzevodoz;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHelper = test::WindowsPathOf(TARNWICK_TASK_HELPER_EXE);
using Lines = std::vector<std::string>;

// What the progress window shows, sampled from a timer while the runner pumps messages.
struct Sampler {
  static inline Lines seen;
  static inline std::function<void(const std::string&)> onSample;
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    tray::FrmProg& prog = tray::frmProg();
    if (!prog.IsLoaded()) return;
    auto& rows = prog.Ctl<rt::ListView>("lvTasks");
    std::string state = prog.Ctl<rt::Label>("lblGroup").Caption() + ":";
    for (int r = 1; r <= rows.RowCount(); ++r) state += " " + rows.Cell(r, 1) + "|" + rows.Cell(r, 2);
    if (seen.empty() || seen.back() != state) seen.push_back(state);
    // A copy: a hook may clear itself, and its captures must live until it returns.
    if (const std::function<void(const std::string&)> hook = onSample) hook(state);
  }
};

class TaskRun : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    SetFrontEnd(&frontEnd);
    test::DeleteKeyTree(kSettings);
    test::SetText(kSettings, "RunTasks", "Yes");
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    log_ = std::string(temp) + "tarnwick-tasks-" + std::to_string(GetCurrentProcessId()) + ".log";
    DeleteFileA(log_.c_str());
    Sampler::seen.clear();
    Sampler::onSample = nullptr;
    timer_ = SetTimer(nullptr, 0, 40, &Sampler::Tick);
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SetFrontEnd(nullptr);
    test::DeleteKeyTree(kSettings);
    ResetSharedState();
    DeleteFileA(log_.c_str());
    DeleteFileA(TaskFilePath().c_str());
  }
  TaskRecord HelperTask(int32_t id, const std::string& name, int sleepMs, const std::string& actions = "Shut") {
    TaskRecord t;
    t.ID = id;
    t.Desc = name;
    t.Prog = kHelper;
    t.Args = "name=" + name + " log=" + log_ + " sleep=" + std::to_string(sleepMs);
    t.Actions = actions;
    return t;
  }
  // The task file the engine reads when the run starts.
  void UseTasks(std::vector<TaskRecord> tasks) {
    Tasks = std::move(tasks);
    TaskCount = static_cast<int32_t>(Tasks.size());
    ASSERT_TRUE(SaveTasks());
  }
  void RequestShutDown() {
    ActionCode = kShutDownCode;
    ActionName = "Shut";
    StartShutdownProcess();
  }
  std::string Log() const { return test::ReadFileText(log_); }
  std::string PowerCalls() const {
    std::string text;
    for (const os::PowerCall& call : power.calls) text += (text.empty() ? "" : "\n") + os::Describe(call);
    return text;
  }
  // Lets the cancel notice run its course.
  bool PumpUntilNoticeGone() {
    return test::WaitUntil([] {
      rt::DoEvents();
      return !tray::frmCancelMessage().IsLoaded();
    }, 8000);
  }

  tray::TrayFrontEnd frontEnd;
  os::RecordingPower power;
  os::ScriptedMessageBoxes boxes;
  os::Install<os::Power> powerInstalled{&power};
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  std::string log_;
  UINT_PTR timer_ = 0;
};

TEST_F(TaskRun, TiedTasksRunInTurnEachWaitedForThenTheActionFollows) {
  UseTasks({HelperTask(1, "one", 400), HelperTask(2, "other", 0, "Boot"), HelperTask(3, "two", 400),
            HelperTask(4, "three", 400)});
  RequestShutDown();
  EXPECT_EQ(Log(), "one start\none end\ntwo start\ntwo end\nthree start\nthree end\n");
  ASSERT_EQ(power.calls.size(), 1u);
  EXPECT_EQ(os::Describe(power.calls[0]), "ExitWindowsEx 1");
  const Lines expected = {
      "one: Running ...|one Waiting.....|two Waiting.....|three",
      "two: Finished|one Running ...|two Waiting.....|three",
      "three: Finished|one Finished|two Running ...|three",
  };
  Lines running;
  for (const std::string& s : Sampler::seen)
    if (s.find("Running") != std::string::npos) running.push_back(s);
  EXPECT_EQ(running, expected);
  EXPECT_FALSE(tray::frmProg().IsLoaded());
}

TEST_F(TaskRun, EachListedTaskRunsOnceAndASingleTaskEndsFinished) {
  // Two records with one ID (the file keeps the first of them, an editor's list may hold both) are
  // two tasks, each run once.
  DozIzevodoz::TaskRun twins;
  twins.tasks = {HelperTask(5, "first", 100), HelperTask(5, "second", 100)};
  twins.idList = "5;5";
  twins.nameList = "first;second";
  twins.actionName = "Shut";
  frontEnd.LoadProgressWindow();
  frontEnd.RunTasksInProgressWindow(twins);
  frontEnd.UnloadProgressWindow();
  EXPECT_EQ(Log(), "first start\nfirst end\nsecond start\nsecond end\n");

  DeleteFileA(log_.c_str());
  UseTasks({HelperTask(1, "alone", 300)});
  DozIzevodoz::TaskRun run;
  run.tasks = Tasks;
  run.idList = "1";
  run.nameList = "alone";
  run.actionName = "Shut";
  tray::frmProg().LoadTaskIDs(run);
  EXPECT_EQ(tray::frmProg().Ctl<rt::ListView>("lvTasks").Cell(1, 1), "Waiting ...");
  tray::frmProg().ReloadRows(run);
  tray::frmProg().RunAll();
  EXPECT_EQ(tray::frmProg().Ctl<rt::ListView>("lvTasks").Cell(1, 1), "Finished");
  EXPECT_EQ(tray::frmProg().Ctl<rt::Label>("lblGroup").Caption(), "alone");
}

TEST_F(TaskRun, AGroupsTrialRunsEveryListedTaskInItsOrderWhateverActionIsPending) {
  // "none" names no action at all (a task file edited by hand): a trial runs it as well.
  UseTasks({HelperTask(1, "one", 200, "Shut"), HelperTask(2, "two", 200, "Log"), HelperTask(3, "none", 200, "")});
  ActionName = "Boot";
  DozIzevodoz::TaskRun run;
  run.tasks = {Tasks[1], Tasks[2], Tasks[0]};
  run.idList = "2;3;1";
  run.nameList = "two;none;one";
  run.everyTask = true;
  frontEnd.TryTaskRun(run);
  EXPECT_EQ(Log(), "two start\ntwo end\nnone start\nnone end\none start\none end\n");
  Lines running;
  for (const std::string& s : Sampler::seen)
    if (s.find("Running") != std::string::npos) running.push_back(s);
  EXPECT_EQ(running, (Lines{"two: Running ...|two Waiting ...|none Waiting ...|one",
                            "none: Finished|two Running ...|none Waiting ...|one",
                            "one: Finished|two Finished|none Running ...|one"}));
  EXPECT_FALSE(tray::frmProg().IsLoaded());
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(TaskRun, AListWhoseNamesMatchNoTaskIsRefused) {
  DozIzevodoz::TaskRun run;
  run.tasks = {HelperTask(1, "real", 0)};
  run.nameList = "ghost";
  EXPECT_FALSE(tray::frmProg().ReloadRows(run));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Invalid Task List:\r\nghost");
  EXPECT_EQ(boxes.shown[0].title, rt::App().FileDescription);
}

// The task progress window rebuilds its rows from the list it is given; a list of IDs that is not
// all task numbers was not made from the tasks, and it says so (naming the task at the bad place).
TEST_F(TaskRun, AnIdListThatIsNotAllTaskNumbersIsReportedAfterTheRows) {
  struct Case { const char* ids; const char* names; const char* named; };
  const Case cases[] = {
      {"1;x", "real;other", "other"},
      {"1;;1", "real;gap;real", "gap"},
      {"x", "real", "real"},
      {"1;2;z", "real;b", "real;b"},  // fewer names than IDs: the list of names
  };
  for (const Case& c : cases) {
    boxes.shown.clear();
    DozIzevodoz::TaskRun run;
    run.tasks = {HelperTask(1, "real", 0)};
    run.idList = c.ids;
    run.nameList = c.names;
    EXPECT_TRUE(tray::frmProg().ReloadRows(run)) << c.ids;
    ASSERT_EQ(boxes.shown.size(), 1u) << c.ids;
    EXPECT_EQ(boxes.shown[0].text, std::string("Invalid Task List in Task Group:\r\n") + c.named);
    EXPECT_EQ(boxes.shown[0].title, rt::App().FileDescription);
    EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    auto& rows = tray::frmProg().Ctl<rt::ListView>("lvTasks");
    ASSERT_EQ(rows.RowCount(), 1) << c.ids;
    EXPECT_EQ(rows.Cell(1, 1), "Waiting.....");
  }
  boxes.shown.clear();
  DozIzevodoz::TaskRun good;
  good.tasks = {HelperTask(1, "real", 0), HelperTask(-4, "odd", 0)};
  good.idList = "1; -4 ";
  good.nameList = "real;odd";
  EXPECT_TRUE(tray::frmProg().ReloadRows(good));
  EXPECT_TRUE(boxes.shown.empty());
}

// A request made while the tasks of another run (CTRL+ALT+R during a shut-down's tasks) waits for
// the run's end, then counts down; the exit question answered Cancel meanwhile withdraws nothing.
// When the user cancels that countdown, the shut-down, whose countdown had run out and whose tasks
// have run, gets a countdown of its own; cancelling that one as well ends both.
TEST_F(TaskRun, ARequestDuringTheRunCountsDownAfterItAndACancelGivesTheFirstActionItsOwnCountdown) {
  tray::CountdownForm& countdown = tray::Form1();
  auto tick = [&] { SendMessageA(countdown.hWnd(), WM_TIMER, countdown.Ctl<rt::Timer>("Timer1").Id(), 0); };
  auto caption = [&](const char* label) { return countdown.Ctl<rt::Label>(label).Caption(); };
  auto enter = [&] { SendMessageA(countdown.hWnd(), WM_HOTKEY, 9, MAKELPARAM(0, VK_RETURN)); };
  test::SetText(kSettings, "TimeOut", "1");
  const std::string release = log_ + ".release";
  struct Removal {
    const std::string& file;
    ~Removal() { DeleteFileA(file.c_str()); }
  } removal{release};
  struct Case {
    const char* what;
    bool exitQuestion;
    bool cancelled;
  };
  for (const Case c : {Case{"runs out", false, false}, Case{"exit question, then runs out", true, false},
                       Case{"cancelled, then the standing action's countdown runs out", false, true},
                       Case{"exit question, then both cancelled", true, true}}) {
    DeleteFileA(log_.c_str());
    power.calls.clear();
    boxes.shown.clear();
    boxes.answers = {IDCANCEL};  // "do not exit"
    // The shut-down's task waits for the release file, which the requests write when made.
    DeleteFileA(release.c_str());
    TaskRecord shut = HelperTask(1, "shut", 0, "Shut");
    shut.Args += " until=" + release;
    UseTasks({shut, HelperTask(2, "boot", 0, "Boot")});
    Sampler::onSample = [&](const std::string&) {
      if (Log().find("shut start") == std::string::npos) return;
      Sampler::onSample = nullptr;
      vbHotKey::DoFunctions(1);                      // CTRL+ALT+R
      if (c.exitQuestion) vbHotKey::DoFunctions(7);  // CTRL+ALT+X
      std::ofstream(release).put('1');
    };
    RequestAction(kShutDownCode, "Shut");
    ASSERT_TRUE(countdown.IsLoaded());
    tick();  // a TimeOut of 1: the first second ends the count

    EXPECT_EQ(Log(), "shut start\nshut end\n") << c.what;
    EXPECT_TRUE(power.calls.empty()) << c.what;
    EXPECT_EQ(boxes.shown.size(), c.exitQuestion ? 1u : 0u) << c.what;
    ASSERT_TRUE(countdown.Counting()) << c.what;
    EXPECT_TRUE(countdown.HoldsEnter());
    EXPECT_EQ(caption("Label3"), "1") << "not a fresh count";
    EXPECT_EQ(caption("Label2"), "Run Tasks");
    EXPECT_EQ(ActionName, "Boot");

    if (!c.cancelled) {
      tick();
      EXPECT_EQ(Log(), "shut start\nshut end\nboot start\nboot end\n") << c.what;
      EXPECT_EQ(PowerCalls(), "ExitWindowsEx 2") << c.what;
      EXPECT_FALSE(countdown.IsLoaded());
      continue;
    }
    enter();
    EXPECT_TRUE(power.calls.empty()) << c.what << ": a call right after the cancel";
    ASSERT_TRUE(countdown.Counting()) << c.what;
    EXPECT_EQ(caption("Label2"), "Shutdown") << "its tasks have run";
    EXPECT_EQ(ActionName, "Shut");
    if (c.exitQuestion) {
      enter();
      EXPECT_FALSE(countdown.IsLoaded()) << c.what;
    } else {
      tick();
      EXPECT_EQ(PowerCalls(), "ExitWindowsEx 1") << c.what;
    }
    EXPECT_EQ(Log(), "shut start\nshut end\n") << c.what << ": the reboot's tasks ran";
    EXPECT_EQ(power.calls.size(), c.exitQuestion ? 0u : 1u) << c.what;
    EXPECT_FALSE(countdown.IsLoaded());
  }
}

// A description may hold the list separator: the run names its tasks by ID, and no box (which
// would wait for ever on an unattended shut-down) stops it.
TEST_F(TaskRun, ATaskWithTheSeparatorInItsDescriptionRuns) {
  UseTasks({HelperTask(1, "Back;up", 0)});
  RequestShutDown();
  EXPECT_EQ(Log(), "Back;up start\nBack;up end\n");
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(power.calls.size(), 1u);
}

// Cancels while the second task runs: by the button, and by the cancel key's message.
TEST_F(TaskRun, ACancelDuringTheSecondTaskEndsItStartsNoMoreAndTheNoticeComesAndGoes) {
  struct Case { const char* how; bool byKey; };
  for (const Case c : {Case{"button", false}, Case{"cancel key", true}}) {
    DeleteFileA(log_.c_str());
    power.calls.clear();
    UseTasks({HelperTask(1, "one", 100), HelperTask(2, "two", 20000), HelperTask(3, "three", 100)});
    Sampler::onSample = [&](const std::string&) {
      if (Log().find("two start") == std::string::npos) return;
      Sampler::onSample = nullptr;
      HWND prog = tray::frmProg().hWnd();
      if (c.byKey) PostMessageA(prog, WM_HOTKEY, 11, MAKELPARAM(MOD_ALT | MOD_CONTROL, VK_SPACE));
      else PostMessageA(tray::frmProg().Ctl<rt::CommandButton>("Command1").hWnd(), BM_CLICK, 0, 0);
    };
    auto begin = std::chrono::steady_clock::now();
    RequestShutDown();
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10)) << c.how;
    EXPECT_EQ(Log(), "one start\none end\ntwo start\n") << c.how;
    EXPECT_TRUE(power.calls.empty()) << c.how;
    EXPECT_FALSE(tray::frmProg().IsLoaded()) << c.how;
    ASSERT_TRUE(tray::frmCancelMessage().IsLoaded()) << c.how;
    EXPECT_TRUE(tray::frmCancelMessage().Visible()) << c.how;
    EXPECT_TRUE(CancelTasks) << c.how;

    ASSERT_TRUE(PumpUntilNoticeGone()) << c.how;
    EXPECT_FALSE(CancelTasks) << c.how;
    EXPECT_FALSE(CancelKeyRegistered) << c.how;

    // The next request runs again.
    DeleteFileA(log_.c_str());
    UseTasks({HelperTask(1, "again", 50)});
    RequestShutDown();
    EXPECT_EQ(Log(), "again start\nagain end\n") << c.how;
    EXPECT_EQ(power.calls.size(), 1u) << c.how;
  }
}

TEST_F(TaskRun, TheNoticeGoesAlsoWhenTheCancelKeyWasNotRegistered) {
  // Another window holds CTRL+ALT+SPACE, so the run goes on without the key.
  HWND holder = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_TRUE(RegisterHotKey(holder, 11, MOD_ALT | MOD_CONTROL, VK_SPACE));
  UseTasks({HelperTask(1, "one", 20000), HelperTask(2, "two", 100)});
  Sampler::onSample = [&](const std::string&) {
    if (Log().find("one start") == std::string::npos) return;
    Sampler::onSample = nullptr;
    PostMessageA(tray::frmProg().Ctl<rt::CommandButton>("Command1").hWnd(), BM_CLICK, 0, 0);
  };
  RequestShutDown();
  UnregisterHotKey(holder, 11);
  DestroyWindow(holder);
  EXPECT_FALSE(CancelKeyRegistered);
  EXPECT_EQ(Log(), "one start\n");
  EXPECT_TRUE(power.calls.empty());
  // The closing text shows before the notice goes.
  auto& notice = tray::frmCancelMessage();
  EXPECT_EQ(notice.Ctl<rt::Label>("Label2").Caption(), "Please Wait !");
  ASSERT_TRUE(test::WaitUntil([&] {
    rt::DoEvents();
    return notice.IsLoaded() && notice.Ctl<rt::Label>("Label2").Caption() == "Shutdown Event Cancelled";
  }, 5000));
  EXPECT_EQ(notice.Ctl<rt::Label>("Label1").Caption(), "All Task's Cancelled And");
  EXPECT_EQ(notice.Ctl<rt::Label>("Label1").FontSize(), 18);
  EXPECT_TRUE(CancelTasks) << "the flag stays set until the notice has gone";
  ASSERT_TRUE(PumpUntilNoticeGone());
  EXPECT_FALSE(CancelTasks);
}

// Both roads of a command-line process: a second instance's countdown ends in the engine; a first
// instance with the warning screen off calls the engine from its start.
TEST_F(TaskRun, ACommandLineProcessKeepsItsWindowsUntilTheNoticeHasEnded) {
  for (bool fromStart : {false, true}) {
    ResetSharedState();
    rt::SetQuitting(false);
    DeleteFileA(log_.c_str());
    UseTasks({HelperTask(1, "one", 20000)});
    Sampler::onSample = [&](const std::string&) {
      if (Log().find("one start") == std::string::npos) return;
      Sampler::onSample = nullptr;
      tray::frmProg().CancelAll();
    };
    if (fromStart) {
      ASSERT_TRUE(SaveTasks());
      test::SetText(kSettings, "Display", "1");
      rt::SetCommandText("S");
      DozIzevodoz::Main();
      DeleteFileA(TaskFilePath().c_str());
    } else {
      CommandLineMode = true;
      RequestShutDown();
    }
    ASSERT_TRUE(tray::frmCancelMessage().IsLoaded()) << fromStart;
    ASSERT_TRUE(PumpUntilNoticeGone()) << fromStart;
    EXPECT_EQ(rt::Forms::Count(), 0u) << fromStart;
    EXPECT_TRUE(power.calls.empty()) << fromStart;
  }
}

}  // namespace
