// A command-line letter with the warning screen off: the program carries the action out at once
// and ends (the recording build logs the power call instead of making it).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../support/power_log.h"
#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "../support/tray_settings.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);

class CommandLineAction : public ::testing::Test {
 protected:
  void SetUp() override {
    test::DeleteKeyTree(kSettings);
  }
  void TearDown() override { test::ClearTraySettings(); }
  std::string Log() const { return power.Text(); }
  test::PowerLog power{"tarnwick-power"};
};

TEST_F(CommandLineAction, WithTheWarningScreenOffALetterActsAtOnceAndTheProcessEnds) {
  struct Case { const char* letter; const char* call; };
  const Case cases[] = {{"S", "ExitWindowsEx 1\n"}, {"r", "ExitWindowsEx 2\n"}, {"F", "ExitWindowsEx 5\n"}};
  test::SetText(kSettings, "Display", "1");
  test::SetText(kSettings, "FirstRun", "No");
  for (const Case& c : cases) {
    power.Clear();
    test::Program program(kExe, c.letter);
    ASSERT_TRUE(program.Started());
    EXPECT_TRUE(program.WaitForExit()) << c.letter;
    EXPECT_EQ(Log(), c.call) << c.letter;
  }
}

TEST_F(CommandLineAction, TiedTasksGoThroughTheProgressWindowAndTheProcessStillEnds) {
  const std::string tasks = kExe.substr(0, kExe.find_last_of('\\')) + "\\Tasks.txt";
  {
    std::ofstream f(tasks, std::ios::binary);
    f << "1\tBackup\tC:\\none.exe\t\t\t1\tShut\r\n\r\n2\tOther\tC:\\none.exe\t\t\t1\tBoot\r\n\r\n";
  }
  test::SetText(kSettings, "Display", "1");
  test::SetText(kSettings, "FirstRun", "No");
  test::SetText(kSettings, "RunTasks", "Yes");
  test::Program program(kExe, "S");
  ASSERT_TRUE(program.Started());
  EXPECT_TRUE(program.WaitForExit()) << "a window of the task run kept the process alive";
  EXPECT_EQ(Log(), "ExitWindowsEx 1\n");
  DeleteFileA(tasks.c_str());
}

}  // namespace
