// The main road of the hot-key-only program: a CTRL+ALT key pressed on the keyboard (injected as
// input from this process, the way a key press enters Wine) reaches the hidden hot-key window,
// the countdown shows and, at zero, the recording build logs the power call.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "../support/file_text.h"
#include "../support/key_input.h"
#include "../support/png_file.h"
#include "../support/power_log.h"
#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "../support/tray_settings.h"
#include "../support/window_picture.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";
const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);

// Light text in the strip of the "Before ..." line (right of the version label, below the caption).
bool ShowsBeforeLine(const test::Picture& p) {
  for (int y = 116; y < p.height - 2; ++y)
    for (int x = 200; x < p.width - 4; ++x)
      if (p.At(x, y, 0) > 200 && p.At(x, y, 1) > 200) return true;
  return false;
}

bool EnterIsFree() {
  HWND probe = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  bool free = RegisterHotKey(probe, 1, 0, VK_RETURN) != FALSE;
  if (free) UnregisterHotKey(probe, 1);
  DestroyWindow(probe);
  return free;
}

class HotKeyRoad : public ::testing::Test {
 protected:
  void SetUp() override {
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
    test::SetText(kSettings, "NoIcon", "Yes");
    test::SetText(kSettings, "FirstRun", "No");
    test::SetText(kSettings, "RunTasks", "No");
    test::SetText(kSettings, "TimeOut", "3");
    test::SetText(kHotKeys, "0", "VK_S");
    test::SetText(kHotKeys, "1", "VK_R");
    // Key input enters Wine through a window that has the focus.
    focus_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "focus", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
    SetForegroundWindow(focus_);
  }
  void TearDown() override {
    DestroyWindow(focus_);
    test::ClearTraySettings();
  }
  std::string Log() const { return power.Text(); }
  void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  // Presses a CTRL+ALT key until the program's countdown shows. Key input reaches Wine's hot keys
  // only while a window of this prefix is in the foreground; a test that ran before (another prefix
  // on the same display) may have left the foreground elsewhere, and then the press is lost.
  HWND PressForCountdown(const test::Program& program, WORD key) {
    for (int attempt = 0; attempt < 3; ++attempt) {
      test::WaitUntil([&] {
        SetForegroundWindow(focus_);
        return GetForegroundWindow() == focus_;
      }, 2000);
      Pump();
      test::PressKeys({VK_CONTROL, VK_MENU, key});
      HWND found = nullptr;
      if (test::WaitUntil([&] { return (found = test::FindVisibleWindowOf(program.ProcessId())) != nullptr; }, 5000))
        return found;
    }
    return nullptr;
  }
  // The program is up once its hidden hot-key window exists.
  bool Ready(const test::Program& program) { return program.WaitForWindow("", "VHotKeys") != nullptr; }

  test::PowerLog power{"tarnwick-hotkey-power"};
  HWND focus_ = nullptr;
};

TEST_F(HotKeyRoad, ShutDownKeyCountsDownAndActs) {
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(Ready(program));
  HWND countdown = PressForCountdown(program, 'S');
  ASSERT_TRUE(countdown) << "no countdown after CTRL+ALT+S";
  EXPECT_FALSE(EnterIsFree());

  // The picture of the countdown, kept for a person to look at, and its blue bands checked.
  test::Picture picture = test::CaptureWindow(countdown);
  CreateDirectoryA(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR).c_str(), nullptr);
  EXPECT_TRUE(test::WritePng(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR "/countdown-blue.png"), picture.width,
                             picture.height, picture.rgb));
  const int width = picture.width, height = picture.height;
  auto blue = [&](int x, int y) { return picture.At(x, y, 2); };
  auto redGreen = [&](int x, int y) { return picture.At(x, y, 0) + picture.At(x, y, 1); };
  EXPECT_NEAR(blue(2, 2), 136, 4);
  EXPECT_EQ(redGreen(2, 2), 0);
  EXPECT_EQ(blue(width - 1, height / 2), 0);  // band 0 on the right edge
  EXPECT_EQ(blue(width / 2, height - 1), 0);  // and at the bottom
  EXPECT_GT(blue(2, 2), blue(300, 0));        // brighter towards the top left
  EXPECT_FALSE(ShowsBeforeLine(picture));     // no tasks: no "Before ..." line

  EXPECT_TRUE(test::WaitUntil([&] { return !Log().empty(); }, 10000));
  EXPECT_EQ(Log(), "ExitWindowsEx 1\n");
  EXPECT_TRUE(test::WaitUntil([] { return EnterIsFree(); }, 5000));
  EXPECT_TRUE(program.Running()) << "the program lives on its hidden window";

  // The reboot key, on the same running program.
  EXPECT_TRUE(PressForCountdown(program, 'R'));
  EXPECT_TRUE(test::WaitUntil([&] { return Log() == "ExitWindowsEx 1\nExitWindowsEx 2\n"; }, 10000)) << Log();
}

TEST_F(HotKeyRoad, EnterCancelsTheCountAndIsFreeAfterwards) {
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(Ready(program));
  HWND countdown = PressForCountdown(program, 'S');
  ASSERT_TRUE(countdown);
  SetForegroundWindow(focus_);
  test::PressKeys({VK_RETURN});
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(countdown); }, 5000)) << "ENTER did not cancel";
  EXPECT_TRUE(EnterIsFree());
  Sleep(4000);  // past the moment the action would have come
  EXPECT_EQ(Log(), "");
  EXPECT_TRUE(program.Running());
}

TEST_F(HotKeyRoad, TasksTiedToTheActionAreAnnouncedAndTheCallStillFollows) {
  const std::string tasks = kExe.substr(0, kExe.find_last_of('\\')) + "\\Tasks.txt";
  {
    std::ofstream f(tasks, std::ios::binary);
    f << "1\tBackup\tC:\\none.exe\t\t\t1\tBoot\r\n\r\n";
  }
  test::SetText(kSettings, "RunTasks", "Yes");
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(Ready(program));
  HWND countdown = PressForCountdown(program, 'R');
  ASSERT_TRUE(countdown);
  test::Picture picture = test::CaptureWindow(countdown);
  CreateDirectoryA(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR).c_str(), nullptr);
  test::WritePng(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR "/countdown-run-tasks.png"), picture.width, picture.height,
                 picture.rgb);
  EXPECT_TRUE(ShowsBeforeLine(picture));
  EXPECT_TRUE(test::WaitUntil([&] { return !Log().empty(); }, 15000));
  EXPECT_EQ(Log(), "ExitWindowsEx 2\n");
  DeleteFileA(tasks.c_str());
}

// A request made while the tasks of another one run, as the user takes it with the keys. During a
// shut-down's task: CTRL+ALT+R, then CTRL+ALT+X answered Cancel ("do not exit"), which withdraws
// nothing the user could not see. After the run the reboot counts down; ENTER there gives the
// shut-down, whose tasks have run, a countdown of its own, and ENTER again ends both. Done again
// with the reboot's countdown left to run out, the reboot is the call.
TEST_F(HotKeyRoad, ARequestDuringTheTasksCountsDownAfterThemAndOnlyCancelsOfCountdownsWithdraw) {
  test::SetText(kHotKeys, "7", "VK_X");
  test::SetText(kSettings, "RunTasks", "Yes");
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string stem = std::string(temp) + "tarnwick-roads-" + std::to_string(GetCurrentProcessId());
  const std::string markers = stem + "-markers.txt", go = stem + "-go";
  const std::string tasks = kExe.substr(0, kExe.find_last_of('\\')) + "\\Tasks.txt";
  const std::string helper = test::WindowsPathOf(TARNWICK_TASK_HELPER_EXE);
  struct Cleanup {
    std::vector<std::string> files;
    ~Cleanup() {
      for (const std::string& f : files) DeleteFileA(f.c_str());
    }
  } cleanup{{tasks, markers, go}};
  DeleteFileA(markers.c_str());
  DeleteFileA(go.c_str());
  {
    std::ofstream f(tasks, std::ios::binary);
    f << "1\thold\t" << helper << "\tname=hold log=" << markers << " until=" << go << "\t\t1\tShut\r\n"
      << "2\tboot\t" << helper << "\tname=boot log=" << markers << "\t\t1\tBoot\r\n\r\n";
  }
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(Ready(program));
  const DWORD pid = program.ProcessId();
  auto holdStarts = [&] {
    const std::string text = test::ReadFileText(markers);
    size_t n = 0;
    for (size_t at = text.find("hold start"); at != std::string::npos; at = text.find("hold start", at + 1)) ++n;
    return n;
  };
  auto press = [&](std::vector<WORD> keys) {
    test::WaitUntil([&] {
      SetForegroundWindow(focus_);
      return GetForegroundWindow() == focus_;
    }, 2000);
    Pump();
    test::PressKeys(std::move(keys));
  };
  // The countdown: the program's one form without a title (a tooltip of the progress window has none either).
  auto countdown = [&] {
    return test::FindVisibleWindowOf(pid, [](HWND w) -> HWND {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      return GetWindowTextLengthA(w) == 0 && lstrcmpA(cls, "TarnwickForm") == 0 ? w : nullptr;
    });
  };
  auto question = [&] {
    return test::FindVisibleWindowOf(pid, [](HWND w) -> HWND {
      char cls[64] = {};
      GetClassNameA(w, cls, sizeof cls);
      return lstrcmpA(cls, "#32770") == 0 ? w : nullptr;
    });
  };
  // CTRL+ALT+S, its count of one second, its task held; then CTRL+ALT+R and CTRL+ALT+X, the
  // question answered Cancel. The reboot's request is handed to the hot-key window as the key's
  // message, sent: it returns once the request is taken, so the question comes after it (a key
  // pressed right behind another may be taken inside the first one's handler, which processes
  // waiting messages before it acts). The count after the run is set while the task is held.
  auto requestDuringTheTask = [&](size_t run, const char* countAfterTheRun) {
    test::SetText(kSettings, "TimeOut", "1");
    for (int attempt = 0; attempt < 3 && holdStarts() < run; ++attempt) {
      press({VK_CONTROL, VK_MENU, 'S'});
      test::WaitUntil([&] { return holdStarts() >= run; }, 5000);
    }
    ASSERT_EQ(holdStarts(), run) << "the shut-down's task did not start";
    test::SetText(kSettings, "TimeOut", countAfterTheRun);
    DWORD_PTR result = 0;
    const HWND hotKeys = program.FindWindowOf("", "VHotKeys");  // made afresh after a countdown
    ASSERT_NE(SendMessageTimeoutA(hotKeys, WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'R'), SMTO_NORMAL, 10000,
                                  &result),
              0)
        << "the reboot's request was not taken";
    HWND box = nullptr;
    for (int attempt = 0; attempt < 3 && !box; ++attempt) {
      press({VK_CONTROL, VK_MENU, 'X'});
      test::WaitUntil([&] { return (box = question()) != nullptr; }, 5000);
    }
    ASSERT_TRUE(box) << "no exit question";
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(test::WaitUntil([&] { return question() == nullptr; }, 5000));
    ASSERT_EQ(countdown(), nullptr) << "a countdown while the task is held";
  };

  requestDuringTheTask(1, "60");
  std::ofstream(go).put('1');
  HWND reboot = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (reboot = countdown()) != nullptr; }, 15000))
      << "no countdown for the reboot; the calls: " << Log();
  EXPECT_EQ(Log(), "");
  // The pictures of the two countdowns, kept for a person to look at.
  auto keep = [](HWND window, const char* name) {
    test::Picture picture = test::CaptureWindow(window);
    CreateDirectoryA(test::WindowsPathOf(TARNWICK_ARTIFACT_DIR).c_str(), nullptr);
    test::WritePng(test::WindowsPathOf(std::string(TARNWICK_ARTIFACT_DIR "/") + name), picture.width, picture.height,
                   picture.rgb);
  };
  keep(reboot, "countdown-after-the-run.png");
  press({VK_RETURN});
  HWND shutDown = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return !IsWindow(reboot) && (shutDown = countdown()) != nullptr; }, 5000))
      << "no countdown of its own for the shut-down; the calls: " << Log();
  EXPECT_EQ(Log(), "") << "a call right after the cancel";
  keep(shutDown, "countdown-of-the-standing-action.png");
  press({VK_RETURN});
  EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(shutDown) && countdown() == nullptr; }, 5000));
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(test::ReadFileText(markers), "hold start\nhold end\n");

  DeleteFileA(go.c_str());
  requestDuringTheTask(2, "1");
  std::ofstream(go).put('1');
  EXPECT_TRUE(test::WaitUntil([&] { return !Log().empty(); }, 15000));
  EXPECT_EQ(Log(), "ExitWindowsEx 2\n");
  EXPECT_EQ(test::ReadFileText(markers), "hold start\nhold end\nhold start\nhold end\nboot start\nboot end\n");
  EXPECT_TRUE(program.Running());
}

}  // namespace
