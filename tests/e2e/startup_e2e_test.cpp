// The real program, started as a user would start it.
#include <gtest/gtest.h>

#include <climits>

#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "../support/tray_settings.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);
const std::string kBoxClass = "#32770";

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { test::DeleteKeyTree(kSettings); }
  void TearDown() override { test::ClearTraySettings(); }
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

// The letter "O": the options dialog alone; saving a change says so, and the program then ends.
TEST_F(Startup, TheLetterOShowsOnlyTheOptionsDialogAndItsSaveEndsTheProgram) {
  test::Program program(kExe, "O");
  HWND dialog = program.WaitForWindow("TarnwickForm", "Moxbel Tarnwick v 4.5");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(test::WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }));
  HWND other = test::FindVisibleWindowOf(program.ProcessId(), [&](HWND w) { return w == dialog ? nullptr : w; });
  EXPECT_EQ(other, nullptr) << "another window of the program is on screen";

  HWND timeOut = nullptr;  // the time-out box: the edit box furthest to the right
  LONG right = LONG_MIN;
  for (HWND child = FindWindowExA(dialog, nullptr, "Edit", nullptr); child;
       child = FindWindowExA(dialog, child, "Edit", nullptr)) {
    RECT r;
    GetWindowRect(child, &r);
    if (r.left > right) right = r.left, timeOut = child;
  }
  ASSERT_NE(timeOut, nullptr);
  SetWindowTextA(timeOut, "12");
  PostMessageA(FindWindowExA(dialog, nullptr, "Button", "Save"), BM_CLICK, 0, 0);
  HWND box = program.WaitForWindow(kBoxClass, "Moxbel Tarnwick Plus Program Options");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(test::MessageBoxText(box), "All Changes Have Been Made!");
  EXPECT_EQ(test::ReadText(kSettings, "TimeOut").value_or("<missing>"), "12");
  EXPECT_EQ(test::ReadText(kSettings, "Message").value_or("<missing>"), "Windows Will Now!");
  test::AnswerMessageBox(box, IDOK);
  EXPECT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
