#include "auto_update.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <chrono>

#include "countdown_text.h"
#include "downloader.h"
#include "timed_message_box.h"
#include "fake_internet_state.h"
#include "update_test_support.h"
#include "update_address.h"
#include "updater_check.h"

namespace {

const std::string kVer = "/Updates/TarnwickPaid/ver.txt";
const std::string kExe = "/Updates/TarnwickPaid/Update.exe";
const std::string kUpToDate = "Moxbel Tarnwick AutoUpdate Program:  The Moxbel Tarnwick Program Is Up-to-Date!";
const std::string kDownloadError =
    "Moxbel Tarnwick AutoUpdate Program: Error occurred downloading version text file, make sure you have an "
    "internet connection";
const std::string kNotConnected = "Moxbel AutoUpdate Program: You must be connected to the internet to update program!";
const std::string kNoServer = std::string("Moxbel Tarnwick AutoUpdate Program: ") + AutoUpdate::kNoServerText;

class CheckForUpdateTest : public test::UpdateFixture {
 protected:
  CheckForUpdateTest() : UpdateFixture("check") {}

  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (const auto& b : boxes.shown) texts.push_back(b.title + ": " + b.text);
    return texts;
  }
  void Check(bool manual) {
    boxes.shown.clear();
    AutoUpdate::ManualUpdateCheck = manual;
    AutoUpdate::UpdateCheckDone = false;
    AutoUpdate::CheckForUpdate();
  }
  bool NoticeUp() { return frmUpdate().IsLoaded() && frmUpdate().Visible(); }

  test::FakeInternetState state{true, INTERNET_CONNECTION_LAN};
  os::Install<os::InternetState> stateInstalled{&state};
};

TEST_F(CheckForUpdateTest, ANewerVersionShowsTheNotice) {
  host.Serve(kVer, "Tarnwick Pro,2.3.1");
  size_t mark = host.Mark();
  Check(false);
  EXPECT_EQ(host.RequestsSince(mark), (std::vector<std::string>{"/", kVer}));
  ASSERT_TRUE(NoticeUp());
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(AutoUpdate::UpdateCheckDone);  // until the notice unloads
  EXPECT_EQ(AutoUpdate::UpdateProductName, "Tarnwick Pro");
  EXPECT_EQ(AutoUpdate::UpdateVersion, "2.3.1");
  EXPECT_FALSE(test::Exists(VersionFileInTemp()));
  frmUpdate().Unload();
  EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
}

TEST_F(CheckForUpdateTest, EachAnswerOfTheServerTakesItsRoad) {
  struct Case {
    const char* body;
    int status;
    bool manual;
    bool notice;
    std::vector<std::string> boxes;
  } cases[] = {
      {"Tarnwick,2.10.0", 200, false, true, {}},  // numbers, not text
      {"Tarnwick,2.3.0", 200, true, false, {kUpToDate}},
      {"Tarnwick,2.3.0", 200, false, false, {}},
      {"Tarnwick,2.2.9", 200, true, false, {kUpToDate}},
      {"Tarnwick", 200, true, false, {}},
      {"", 200, true, false, {}},
      {"<html>\r\n<head><title>Welcome</title></head><body>Sign in, please</body></html>", 200, true, false, {}},
      {"Tarnwick,2.3.0 beta", 200, true, false, {}},
      {nullptr, 404, false, false, {kDownloadError}},
      {"Tarnwick,2.3.1", 500, true, false, {kDownloadError}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.body ? c.body : "(none)") + " " + std::to_string(c.status));
    frmUpdate().Unload();
    host.Remove(kVer);
    host.Remove(kVer + ".status");
    if (c.body) host.Serve(kVer, c.body);
    if (c.status != 200) host.Status(kVer, c.status);
    Check(c.manual);
    EXPECT_EQ(NoticeUp(), c.notice);
    EXPECT_EQ(Boxes(), c.boxes);
    EXPECT_EQ(AutoUpdate::UpdateCheckDone, !c.notice);
    if (!c.notice) {
      EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
    }
    EXPECT_FALSE(test::Exists(VersionFileInTemp()));
  }
}

TEST_F(CheckForUpdateTest, AVersionFileAboveItsSizeCapIsNotTaken) {
  host.Serve(kVer, "Tarnwick,2.3.1\r\n" + std::string(5000, ' '));
  Check(false);
  EXPECT_FALSE(NoticeUp());
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kDownloadError}));
  EXPECT_FALSE(test::Exists(VersionFileInTemp()));
}

TEST_F(CheckForUpdateTest, NoConnectionOrNoHostMeansNoTraffic) {
  state.ok = false;
  state.flags = 0;
  size_t mark = host.Mark();
  Check(false);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
  Check(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kNotConnected}));
  EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);

  // Without a usable host the network is not blamed: the user's own check says what is missing,
  // the start-up check says nothing, and neither asks the network anything.
  state.ok = true;
  state.flags = INTERNET_CONNECTION_LAN;
  for (const char* setting : {"", "http://example.org"}) {  // none, or not an acceptable host
    test::SetText(test::kSettings, "UpdateServer", setting);
    Check(true);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{kNoServer})) << setting;
    EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
    EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
    Check(false);
    EXPECT_TRUE(Boxes().empty()) << setting;
    EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
  }
  EXPECT_EQ(state.queries, 2);
  EXPECT_TRUE(host.RequestsSince(mark).empty());
}

TEST_F(CheckForUpdateTest, ASecondCheckSeesTheChangedFileNotACachedOne) {
  host.Serve(kVer, "Tarnwick,2.3.0");
  size_t mark = host.Mark();
  Check(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kUpToDate}));
  host.Serve(kVer, "Tarnwick,2.3.1");
  Check(true);
  EXPECT_TRUE(NoticeUp());
  std::vector<std::string> seen = host.RequestsSince(mark);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), kVer), 2);
}

TEST_F(CheckForUpdateTest, ASlowServerEndsTheCheckWithinTheTimeOuts) {
  host.Serve(kVer, "Tarnwick,2.3.1");
  host.Delay(kVer, 60);
  auto start = std::chrono::steady_clock::now();
  Check(false);
  auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 30);  // a hang, not a speed: the server answers only after a minute
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kDownloadError}));
  EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
  PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
}

TEST_F(CheckForUpdateTest, ATricklingDownloadEndsAtItsDeadlineAndLeavesNothing) {
  const std::string url = AutoUpdate::JoinUrl(host.Base(), kExe), file = programFolder + "\\Update.part";
  host.Serve(kExe, "MZ-ok");  // a slow server that finishes in time is fine
  host.Trickle(kExe, 0.1);
  EXPECT_TRUE(AutoUpdate::DownloadFile(url, file, AutoUpdate::kUpdaterLimit, std::chrono::seconds(20)));
  EXPECT_EQ(test::ReadAll(file), "MZ-ok");

  host.Serve(kExe, std::string(120, 'x'));  // a byte every half second: each read is quick, the whole is not
  host.Trickle(kExe, 0.5);
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(AutoUpdate::DownloadFile(url, file, AutoUpdate::kUpdaterLimit, std::chrono::seconds(2)));
  auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 20);  // a hang, not a speed: the whole body would take a minute
  EXPECT_FALSE(test::Exists(file));
}

TEST_F(CheckForUpdateTest, ARedirectOnTheSameHostIsFollowed) {
  host.Serve("/moved/ver.txt", "Tarnwick,2.3.1");
  host.Redirect(kVer, "/check/moved/ver.txt");
  Check(false);
  EXPECT_TRUE(NoticeUp());
}

TEST_F(CheckForUpdateTest, AReadOnlyLeftOverIsReplacedAndTheTempFolderKeepsItsAttributes) {
  const std::string tmp = AutoUpdate::GetTempFile();
  DWORD folderBefore = GetFileAttributesA(tmp.c_str());
  { std::ofstream(VersionFileInTemp()) << "Tarnwick,9.9.9"; }
  SetFileAttributesA(VersionFileInTemp().c_str(), FILE_ATTRIBUTE_READONLY);
  host.Serve(kVer, "Tarnwick,2.3.0");
  Check(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kUpToDate}));
  EXPECT_FALSE(test::Exists(VersionFileInTemp()));
  EXPECT_EQ(GetFileAttributesA(tmp.c_str()), folderBefore);
}

class GetUpdateTest : public CheckForUpdateTest {
 protected:
  void SetUp() override {
    CheckForUpdateTest::SetUp();
    stub = test::ReadAll(test::WindowsPathOf(UPDATER_STUB_EXE));
    ASSERT_GT(stub.size(), 2u);
  }
  // A notice for 2.3.1 whose version file vouches for digest.
  void Offer(const std::string& updater, const std::string& digest) {
    host.Serve(kExe, updater);
    host.Serve(kVer, "Tarnwick,2.3.1," + digest);
    Check(false);
    ASSERT_TRUE(NoticeUp());
  }
  std::string Target() const { return programFolder + "\\Update.exe"; }
  size_t FilesInProgramFolder() const {
    return std::distance(std::filesystem::directory_iterator(programFolder), std::filesystem::directory_iterator());
  }
  const std::string failureBox = "Moxbel Tarnwick Program: " + TimedMessageBox::CountdownText(AutoUpdate::kUpdaterErrorText, 4);

  std::string stub;
  os::RecordingShell shell;
  os::Install<os::Shell> shellInstalled{&shell};
};

TEST_F(GetUpdateTest, AVouchedUpdaterIsStartedAndTheProgramEnds) {
  Offer(stub, AutoUpdate::Sha256Hex(stub));
  AutoUpdate::ManualUpdateCheck = true;
  AutoUpdate::GetUpdate();
  EXPECT_FALSE(frmUpdate().IsLoaded());
  EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
  EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
  ASSERT_EQ(shell.requests.size(), 1u);
  const os::ShellExecuteRequest& r = shell.requests[0];
  EXPECT_EQ(r.owner, frontEnd.trayWindow);
  EXPECT_EQ(r.verb, "Open");
  EXPECT_EQ(r.file, Target());
  EXPECT_EQ(r.parameters, "");
  EXPECT_EQ(r.directory, "");
  EXPECT_EQ(r.showCommand, SW_SHOWNORMAL);
  EXPECT_EQ(programEnd.ends, 1);
  EXPECT_EQ(test::ReadAll(Target()), stub);
  EXPECT_EQ(FilesInProgramFolder(), 1u);
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(GetUpdateTest, TheRealShellStartsTheDownloadedUpdater) {
  os::Install<os::Shell> realShell{nullptr};
  Offer(stub, AutoUpdate::Sha256Hex(stub));
  AutoUpdate::GetUpdate();
  EXPECT_EQ(programEnd.ends, 1);
  EXPECT_TRUE(test::WaitUntil([&] { return test::Exists(programFolder + "\\updater-ran.txt"); }));
}

TEST_F(GetUpdateTest, AnUpdaterThatCanNotBeTrustedIsNeitherKeptNorStarted) {
  struct Case {
    const char* what;
    std::string body;
    std::string digest;
    bool served;
  } cases[] = {
      {"not served", stub, AutoUpdate::Sha256Hex(stub), false},
      {"wrong digest", stub, std::string(64, '0'), true},
      {"no digest", stub, "", true},
      {"not a program", "<html>oops</html>", AutoUpdate::Sha256Hex("<html>oops</html>"), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Offer(c.body, c.digest);
    if (!c.served) host.Remove(kExe);
    boxes.shown.clear();
    AutoUpdate::ManualUpdateCheck = true;
    AutoUpdate::GetUpdate();
    EXPECT_FALSE(frmUpdate().IsLoaded());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{failureBox}));
    EXPECT_EQ(boxes.shown[0].flags, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(boxes.shown[0].owner, frontEnd.trayWindow);
    EXPECT_TRUE(shell.requests.empty());
    EXPECT_EQ(programEnd.ends, 0);
    EXPECT_EQ(FilesInProgramFolder(), 0u);
    EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
    EXPECT_FALSE(TimedMessageBox::SingleButtonMode);
  }
  host.Serve(kVer, "Tarnwick,2.3.0");  // and a later check works as before
  Check(true);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{kUpToDate}));
}

// A form with work its user keeps: the update is dropped before anything is fetched or started.
class KeepingForm final : public rt::Form {
 public:
  KeepingForm() : rt::Form("frmKeeping") {}
  int asked = 0;
  bool keep = true;

 protected:
  void Form_QueryEnd(int& cancel) override {
    ++asked;
    cancel = keep ? 1 : 0;
  }
};

TEST_F(GetUpdateTest, AFormThatKeepsItsWorkKeepsTheProgramRunning) {
  KeepingForm keeping;
  keeping.Load();
  Offer(stub, AutoUpdate::Sha256Hex(stub));
  size_t mark = host.Mark();
  AutoUpdate::ManualUpdateCheck = true;
  AutoUpdate::GetUpdate();
  EXPECT_EQ(keeping.asked, 1);
  EXPECT_FALSE(frmUpdate().IsLoaded());
  EXPECT_TRUE(host.RequestsSince(mark).empty());
  EXPECT_TRUE(shell.requests.empty());
  EXPECT_EQ(programEnd.ends, 0);
  EXPECT_TRUE(Boxes().empty());
  EXPECT_FALSE(AutoUpdate::ManualUpdateCheck);
  EXPECT_FALSE(test::Exists(Target()));

  keeping.keep = false;  // let go: the update goes ahead
  Offer(stub, AutoUpdate::Sha256Hex(stub));
  AutoUpdate::GetUpdate();
  EXPECT_EQ(keeping.asked, 2);
  EXPECT_EQ(programEnd.ends, 1);
  keeping.Unload();
}

TEST_F(GetUpdateTest, AnUpdaterTheShellCanNotStartKeepsTheProgramRunning) {
  shell.result = 5 /* SE_ERR_ACCESSDENIED */;
  Offer(stub, AutoUpdate::Sha256Hex(stub));
  AutoUpdate::GetUpdate();
  EXPECT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(programEnd.ends, 0);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{failureBox}));
}

}  // namespace

namespace {

TEST(ProgramEnd, UnloadsEveryFormThenEndsTheProcess) {
  std::string exe = test::WindowsPathOf(PROGRAM_END_HOST_EXE);
  std::string marker = exe.substr(0, exe.find_last_of('\\')) + "\\form-unloaded.txt";
  DeleteFileA(marker.c_str());
  test::Program program(exe, "");
  ASSERT_TRUE(program.Started());
  ASSERT_TRUE(program.WaitForExit());
  EXPECT_EQ(program.ExitCode(), 0u);
  EXPECT_TRUE(test::Exists(marker));
}

}  // namespace
