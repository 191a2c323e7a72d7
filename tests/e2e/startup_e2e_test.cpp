// The real program, started as a user would start it.
#include <gtest/gtest.h>

#include "../support/process_driver.h"
#include "../support/registry_fixture.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);
const std::string kBoxClass = "#32770";

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteKeyTree(kSettings); }
  void TearDown() override { test::DeleteKeyTree(kSettings); }
};

TEST_F(Startup, FirstStartWritesItsTimeOutAndASecondStartOnlySaysItIsRunning) {
  test::Program first(kExe, "");
  ASSERT_TRUE(first.Started()) << kExe;

  HWND question = first.WaitForWindow(kBoxClass, "Moxbel Tarnwick Plus Info....");
  ASSERT_NE(question, nullptr) << "the first-run question did not come";
  EXPECT_EQ(test::MessageBoxText(question), "You should read the Tarnwick Plus help file, do you want to see it now?");
  EXPECT_EQ(test::ReadText(kSettings, "TimeOut").value_or("<missing>"), "5");
  test::AnswerMessageBox(question, IDNO);
  EXPECT_TRUE(test::WaitUntil([] { return test::ReadText(kSettings, "FirstRun").value_or("") == "No"; }));

  test::Program second(kExe, "");
  HWND box = second.WaitForWindow(kBoxClass, "Moxbel Tarnwick Plus Info.....");
  ASSERT_NE(box, nullptr) << "the second start showed no message";
  EXPECT_EQ(test::MessageBoxText(box), "Moxbel Tarnwick Plus Is Already Running!");
  test::AnswerMessageBox(box, IDOK);
  EXPECT_TRUE(second.WaitForExit());
  EXPECT_TRUE(first.Running());

  // Closing the last window of the resident copy ends it.
  HWND tray = first.FindWindowOf("TarnwickForm", "");
  ASSERT_NE(tray, nullptr);
  PostMessageA(tray, WM_CLOSE, 0, 0);
  EXPECT_TRUE(first.WaitForExit());
  EXPECT_EQ(first.ExitCode(), 0u);
}

TEST_F(Startup, WithHotKeysTurnedOffAStartWithoutALetterShowsTheMessageAndEnds) {
  test::SetText(kSettings, "vHotKey", "1");
  test::Program program(kExe, "");
  HWND box = program.WaitForWindow(kBoxClass, "Moxbel Tarnwick Plus Info.....");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(test::MessageBoxText(box), " HotKeys Are Turned Off And You Have Not Selected A Command Line Option!");
  test::AnswerMessageBox(box, IDOK);
  EXPECT_TRUE(program.WaitForExit());
}

}  // namespace
