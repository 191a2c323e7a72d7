#include "startup.h"

#include <gtest/gtest.h>

#include <vector>

#include "../support/recording_front_end.h"
#include "../support/registry_fixture.h"
#include "action_support.h"
#include "app.h"
#include "form.h"
#include "frm_vb_hot_key.h"
#include "front_end.h"
#include "os/recording_power.h"
#include "os/recording_shell.h"
#include "os/scripted_message_boxes.h"
#include "program.h"
#include "shared_state.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";

using RecordingFrontEnd = test::RecordingFrontEnd;

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    static int run = 0;
    rt::InitApp(GetModuleHandleA(nullptr), "TarnwickStartupTest" + std::to_string(++run));
    DozIzevodoz::ResetSharedState();
    DozIzevodoz::SetFrontEnd(&frontEnd);
    test::DeleteKeyTree(kSettings);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    DozIzevodoz::SetFrontEnd(nullptr);
    test::DeleteKeyTree(kSettings);
  }

  void Set(const char* name, const char* text) { test::SetText(kSettings, name, text); }
  void Start(const std::string& commandText) {
    rt::SetCommandText(commandText);
    DozIzevodoz::Main();
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes.shown) texts.push_back(b.title + ": " + b.text);
    return texts;
  }

  RecordingFrontEnd frontEnd;
  os::ScriptedMessageBoxes boxes;
  os::RecordingShell shell;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  os::Install<os::Shell> shellInstalled{&shell};
  os::RecordingPower power;  // a real ExitWindowsEx would end the test session
  os::Install<os::Power> powerInstalled{&power};
};

using Calls = std::vector<std::string>;

TEST_F(Startup, AnActionLetterArmsTheCommandLineCountdown) {
  struct Case { const char* command; const char* timeOut; int32_t code; const char* name; Calls calls; };
  const Case cases[] = {
      {"/S", "9", 0, "Shut", {"Form2.Label2=Shutdown", "Form2.Label3=9"}},
      {"s", "", 0, "Shut", {"Form2.Label2=Shutdown", "Form2.Label3=5"}},
      {"/S /R", "3", 2, "Boot", {"Form2.Label2=Reboot", "Form2.Label3=3"}},
      {"\"C:\\a b\\x\" l", "3", 1, "Log", {"Form2.Label2=LogOff", "Form2.Label3=3"}},
  };
  for (const Case& c : cases) {
    SetUp();
    Set("FirstRun", "");
    Set("TimeOut", c.timeOut);
    Start(c.command);
    EXPECT_EQ(DozIzevodoz::ActionCode, c.code) << c.command;
    EXPECT_EQ(DozIzevodoz::ActionName, c.name) << c.command;
    EXPECT_EQ(frontEnd.calls, c.calls) << c.command;
    EXPECT_TRUE(boxes.shown.empty()) << c.command;  // no first-run question on this road
    EXPECT_FALSE(DozIzevodoz::ForceShutdown);
    frontEnd.calls.clear();
  }
}

TEST_F(Startup, FIsAForcedShutDown) {
  Start("F");
  EXPECT_EQ(DozIzevodoz::ActionCode, 0);
  EXPECT_EQ(DozIzevodoz::ActionName, "Shut");
  EXPECT_TRUE(DozIzevodoz::ForceShutdown);
  EXPECT_EQ(frontEnd.calls, (Calls{"Form2.Label2=Shutdown", "Form2.Label3=5"}));
}

TEST_F(Startup, WithTheWarningScreenOffALetterTouchesNoCountdown) {
  Set("Display", "1");
  Start("R");
  EXPECT_EQ(DozIzevodoz::NoWarningScreen, "1");
  EXPECT_EQ(DozIzevodoz::ActionCode, 2);
  EXPECT_TRUE(frontEnd.calls.empty());
  ASSERT_EQ(power.calls.size(), 1u);
  EXPECT_EQ(os::Describe(power.calls[0]), "ExitWindowsEx 2");
  EXPECT_EQ(rt::Forms::Count(), 0u);  // nothing keeps the process alive
}

TEST_F(Startup, WithTheWarningScreenOffTheEngineSeesTheTaskFile) {
  const std::string tasks = rt::App().Path + "\\Tasks.txt";
  HANDLE f = CreateFileA(tasks.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  const std::string line = "1\tBackup\tC:\\none.exe\t\t\t1\tShut\r\n\r\n";
  DWORD written = 0;
  WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(f);
  Set("Display", "1");
  Set("RunTasks", "Yes");
  Start("S");
  DeleteFileA(tasks.c_str());
  ASSERT_FALSE(frontEnd.calls.empty());
  EXPECT_EQ(frontEnd.calls.front(), "frmMain.List1=Backup");
  EXPECT_EQ(power.calls.size(), 1u);
}

TEST_F(Startup, AMissingTimeOutIsWrittenAsFiveButAnEmptyOneIsKept) {
  Start("S");
  EXPECT_EQ(test::ReadText(kSettings, "TimeOut").value_or("<missing>"), "5");
  test::DeleteKeyTree(kSettings);
  Set("TimeOut", "");
  frontEnd.calls.clear();
  Start("S");
  EXPECT_EQ(test::ReadText(kSettings, "TimeOut").value_or("<missing>"), "");
  EXPECT_EQ(frontEnd.calls.back(), "Form2.Label3=5");
}

// The start probes the system itself, so each letter meets what this system offers: under Wine
// suspend is missing and hibernate and power off are there, so both roads are taken.
TEST_F(Startup, EachLetterOfAnActionTheSystemMayLackIsArmedOrRefusedAsTheSystemOffersIt) {
  struct Case { const char* letter; DozIzevodoz::Capability needs; int32_t code; const char* caption; };
  const Case cases[] = {
      {"P", DozIzevodoz::Capability::PowerOff, DozIzevodoz::kPowerOffCode, "PowerOff"},
      {"Z", DozIzevodoz::Capability::Suspend, DozIzevodoz::kSuspendCode, "Suspend"},
      {"H", DozIzevodoz::Capability::Hibernate, DozIzevodoz::kHibernateCode, "Hibernate"},
  };
  for (const Case& c : cases) {
    SetUp();
    boxes.shown.clear();
    frontEnd.calls.clear();
    DozIzevodoz::ActionCode = DozIzevodoz::kLogOffCode;
    Start(c.letter);
    if (DozIzevodoz::IsSupported(c.needs)) {
      EXPECT_EQ(DozIzevodoz::ActionCode, c.code) << c.letter;
      EXPECT_EQ(frontEnd.calls, (Calls{std::string("Form2.Label2=") + c.caption, "Form2.Label3=5"})) << c.letter;
      EXPECT_TRUE(boxes.shown.empty()) << c.letter;
    } else {
      const std::string said = std::string("Moxbel Tarnwick Plus Info....: ") + DozIzevodoz::NotSupportedText(c.needs);
      EXPECT_EQ(Texts(), Calls{said}) << c.letter;
      EXPECT_TRUE(frontEnd.calls.empty()) << c.letter;
      EXPECT_EQ(DozIzevodoz::ActionCode, DozIzevodoz::kLogOffCode) << c.letter;
      EXPECT_EQ(rt::Forms::Count(), 0u) << c.letter;
    }
  }
}

TEST_F(Startup, OOpensOnlyTheOptionsDialog) {
  Start("o");
  EXPECT_EQ(frontEnd.calls, (Calls{"ShowOptionsDialog"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Startup, HotKeysTurnedOffEndAStartWithoutALetterButNotALetter) {
  Set("vHotKey", "1");
  Start("");
  EXPECT_EQ(Texts(), (Calls{"Moxbel Tarnwick Plus Info.....:  HotKeys Are Turned Off And You Have Not Selected A "
                            "Command Line Option!"}));
  EXPECT_TRUE(frontEnd.calls.empty());
  EXPECT_EQ(rt::Forms::Count(), 0u);

  Start("S");
  EXPECT_EQ(frontEnd.calls.front(), "Form2.Label2=Shutdown");
}

TEST_F(Startup, ASecondResidentStartOnlySaysSo) {
  HANDLE first = CreateMutexA(nullptr, FALSE, ("Local\\" + rt::App().Title + ".Resident").c_str());
  Start("-S");
  CloseHandle(first);
  EXPECT_TRUE(DozIzevodoz::CommandLineMode);
  EXPECT_EQ(Texts(), (Calls{"Moxbel Tarnwick Plus Info.....: Moxbel Tarnwick Plus Is Already Running!"}));
  EXPECT_TRUE(frontEnd.calls.empty());
}

TEST_F(Startup, TheTrayRoadLoadsTheTrayFormAloneAndRecordsTheSystem) {
  Set("FirstRun", "No");
  DozIzevodoz::IsWin9x = true;  // what the start records replaces it
  Start("Shut");
  EXPECT_EQ(frontEnd.calls, Calls{"LoadTrayForm"});
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_FALSE(DozIzevodoz::CommandLineMode);
  EXPECT_FALSE(DozIzevodoz::frmvbHotKey().IsLoaded());
  EXPECT_FALSE(DozIzevodoz::WindowsDir.empty());
  EXPECT_EQ(DozIzevodoz::SystemDriveRoot, DozIzevodoz::WindowsDir.substr(0, 3));
  EXPECT_EQ(DozIzevodoz::VersionText, "7.8.9");
  EXPECT_FALSE(DozIzevodoz::IsWin9x);
}

TEST_F(Startup, TheFirstRunQuestionComesOnceAndOpensTheHelpFileOnYes) {
  boxes.answers = {IDYES};
  Start("");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Moxbel Tarnwick Plus Info....");
  EXPECT_EQ(boxes.shown[0].text, "You should read the Tarnwick Plus help file, do you want to see it now?");
  EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].owner, frontEnd.trayWindow);
  EXPECT_EQ(shell.requests[0].verb, "");
  EXPECT_EQ(shell.requests[0].file, rt::App().Path + "\\Tarnwick.chm");
  EXPECT_EQ(shell.requests[0].showCommand, SW_SHOWMAXIMIZED);
  EXPECT_EQ(test::ReadText(kSettings, "FirstRun").value_or(""), "No");

  rt::Forms::UnloadAll();
  rt::SetQuitting(false);
  Start("");
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(Startup, TheHotKeyOnlyRoadLoadsNoTrayFormEvenForTheHelpFile) {
  Set("NoIcon", "Yes");
  boxes.answers = {IDYES};
  Start("");
  EXPECT_TRUE(DozIzevodoz::frmvbHotKey().IsLoaded());
  EXPECT_TRUE(frontEnd.calls.empty());  // neither loaded nor asked for its window
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].owner, nullptr);
}

TEST_F(Startup, NoAnswerStillWritesFirstRun) {
  boxes.answers = {IDNO};
  Start("");
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(test::ReadText(kSettings, "FirstRun").value_or(""), "No");
}

}  // namespace
