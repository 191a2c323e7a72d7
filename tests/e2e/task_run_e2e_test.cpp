// The recording Tarnwick.exe with tied tasks: "S" with the warning screen off runs the tasks (the
// tests' task program) in order, then logs the power call; a cancel during the second task, by the
// button or by CTRL+ALT+SPACE typed from this process, ends the run with no power call.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "../support/file_text.h"
#include "../support/power_log.h"
#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "../support/tray_settings.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);
const std::string kHelper = test::WindowsPathOf(TARNWICK_TASK_HELPER_EXE);

class TaskRunE2E : public ::testing::Test {
 protected:
  void SetUp() override {
    test::DeleteKeyTree(kSettings);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string stem = std::string(temp) + "tarnwick-e2e-" + std::to_string(GetCurrentProcessId());
    markers_ = stem + "-markers.txt";
    DeleteFileA(markers_.c_str());
    tasks_ = kExe.substr(0, kExe.find_last_of('\\')) + "\\Tasks.txt";
    std::ofstream f(tasks_, std::ios::binary);
    int id = 1;
    for (const char* name : {"one", "two", "three"}) {
      int sleep = std::string(name) == "two" ? 20000 : 300;
      f << id++ << "\t" << name << "\t" << kHelper << "\tname=" << name << " log=" << markers_
        << " sleep=" << sleep << "\t\t1\tShut\r\n\r\n";
    }
    test::SetText(kSettings, "Display", "1");
    test::SetText(kSettings, "FirstRun", "No");
    test::SetText(kSettings, "RunTasks", "Yes");
  }
  void TearDown() override {
    DeleteFileA(markers_.c_str());
    DeleteFileA(tasks_.c_str());
    test::ClearTraySettings();
  }
  bool WaitForMarker(const std::string& line) {
    return test::WaitUntil([&] { return test::ReadFileText(markers_).find(line) != std::string::npos; }, 20000);
  }
  // Cancels during the second task and checks what follows.
  void CancelDuringTwo(const std::function<void(DWORD pid)>& cancel) {
    test::Program program(kExe, "S");
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(WaitForMarker("two start"));
    cancel(program.ProcessId());
    // The notice is on screen for a while, then the process ends by itself.
    HWND notice = nullptr;
    test::WaitUntil([&] { return (notice = test::FindVisibleWindowOf(program.ProcessId())) != nullptr; }, 10000);
    EXPECT_TRUE(notice) << "no cancel notice";
    EXPECT_TRUE(program.WaitForExit(20000));
    EXPECT_EQ(test::ReadFileText(markers_), "one start\none end\ntwo start\n");
    EXPECT_EQ(power.Text(), "");
  }

  test::PowerLog power{"tarnwick-e2e-power"};
  std::string markers_, tasks_;
};

TEST_F(TaskRunE2E, TheTasksRunInOrderThenTheShutDownIsCalled) {
  // Short tasks only.
  std::string text = test::ReadFileText(tasks_);
  text.replace(text.find("sleep=20000"), 11, "sleep=300");
  std::ofstream(tasks_, std::ios::binary) << text;
  test::Program program(kExe, "S");
  ASSERT_TRUE(program.Started());
  EXPECT_TRUE(program.WaitForExit(30000));
  EXPECT_EQ(test::ReadFileText(markers_), "one start\none end\ntwo start\ntwo end\nthree start\nthree end\n");
  EXPECT_EQ(power.Text(), "ExitWindowsEx 1\n");
}

TEST_F(TaskRunE2E, TheCancelButtonEndsTheRunWithoutAPowerCall) {
  CancelDuringTwo([](DWORD pid) {
    auto cancelButton = [](HWND window) { return FindWindowExA(window, nullptr, "Button", "Cancel All Tasks"); };
    HWND button = nullptr;
    ASSERT_TRUE(test::WaitUntil([&] { return (button = test::FindVisibleWindowOf(pid, cancelButton)) != nullptr; }, 5000));
    PostMessageA(button, BM_CLICK, 0, 0);
  });
}

TEST_F(TaskRunE2E, TheCancelKeyEndsTheRunWithoutAPowerCallAndTheNextRequestWorks) {
  CancelDuringTwo([](DWORD) {
    INPUT keys[6] = {};
    const WORD order[3] = {VK_CONTROL, VK_MENU, VK_SPACE};
    for (int i = 0; i < 3; ++i) {
      keys[i].type = keys[5 - i].type = INPUT_KEYBOARD;
      keys[i].ki.wVk = keys[5 - i].ki.wVk = order[i];
      keys[5 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    ASSERT_EQ(SendInput(6, keys, sizeof(INPUT)), 6u);
  });
  // A fresh request runs the tasks and the action again.
  DeleteFileA(markers_.c_str());
  std::string text = test::ReadFileText(tasks_);
  text.replace(text.find("sleep=20000"), 11, "sleep=300");
  std::ofstream(tasks_, std::ios::binary) << text;
  test::Program again(kExe, "S");
  EXPECT_TRUE(again.WaitForExit(30000));
  EXPECT_EQ(power.Text(), "ExitWindowsEx 1\n");
}

}  // namespace
