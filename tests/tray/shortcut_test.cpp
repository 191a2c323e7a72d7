// The shortcut commands for real: .lnk files written by the shell's link object into folders of
// the test prefix (the user's shell folders pointed there for the test), read back the same way.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "action_requests.h"
#include "add_shortcut.h"
#include "app.h"
#include "form.h"
#include "message_loop.h"
#include "form1.h"
#include "os/recording_power.h"
#include "os/scripted_message_boxes.h"
#include "platform_utils.h"
#include "registry_fixture.h"
#include "shell_folders.h"
#include "shared_state.h"
#include "shortcut_reader.h"
#include "shortcut_contents.h"
#include "tray_front_end.h"

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

class Shortcuts : public ::testing::Test {
 protected:
  static std::string TempFolder(const char* leaf) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "tarnwick-" + std::to_string(GetCurrentProcessId()) + "-" + leaf;
  }
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    DozIzevodoz::ResetSharedState();
    CreateDirectoryA(desktop.c_str(), nullptr);
    CreateDirectoryA(appData.c_str(), nullptr);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    rt::DoEvents();
    DozIzevodoz::SetFrontEnd(nullptr);
    DozIzevodoz::ResetSharedState();
    test::DeleteKeyTree(kSettings);
    for (const std::string& folder : {desktop, quickLaunch()}) {
      for (const char* name : {"Shutdown", "Reboot", "Logoff", "Poweroff", "Suspend", "Hibernate"})
        DeleteFileA((folder + "\\" + name + ".lnk").c_str());
    }
    for (const std::string& folder : {quickLaunch(), appData + "\\Microsoft\\Internet Explorer",
                                      appData + "\\Microsoft", appData, desktop})
      RemoveDirectoryA(folder.c_str());
  }
  std::string quickLaunch() const { return appData + "\\Microsoft\\Internet Explorer\\Quick Launch"; }
  void MakeQuickLaunch() {
    CreateDirectoryA((appData + "\\Microsoft").c_str(), nullptr);
    CreateDirectoryA((appData + "\\Microsoft\\Internet Explorer").c_str(), nullptr);
    CreateDirectoryA(quickLaunch().c_str(), nullptr);
  }
  void ExpectShortcut(const std::string& file, const char* args, const char* description) {
    std::optional<test::ShortcutFields> read = test::ReadShortcut(file);
    ASSERT_TRUE(read) << file;
    std::string program = ProgramPath();
    EXPECT_EQ(read->target, program) << file;
    EXPECT_EQ(read->arguments, args) << file;
    EXPECT_EQ(read->workingDir, program.substr(0, program.find_last_of('\\') + 1)) << file;
    EXPECT_EQ(read->description, description) << file;
    EXPECT_EQ(read->showCommand, SW_SHOWNORMAL) << file;
  }

  std::string desktop = TempFolder("desktop"), appData = TempFolder("appdata");
  test::RedirectedShellFolder desktopRedirected{"Desktop", desktop};
  test::RedirectedShellFolder appDataRedirected{"AppData", appData};
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
};

TEST_F(Shortcuts, TheShellFoldersPointIntoTheTestPrefix) {
  EXPECT_EQ(DozIzevodoz::GetSystemFolderPath(CSIDL_DESKTOPDIRECTORY), desktop);
  EXPECT_EQ(DozIzevodoz::GetSystemFolderPath(CSIDL_APPDATA), appData);
}

TEST_F(Shortcuts, EachDesktopCommandWritesItsShortcut) {
  struct Case { int kind; const char* file; const char* args; const char* description; };
  const Case cases[] = {
      {0, "Shutdown", "/S", "Shutdown Windows"}, {2, "Reboot", "/R", "Reboot Windows"},
      {1, "Logoff", "/L", "Logoff Windows"},     {4, "Poweroff", "/P", "Poweroff Windows"},
      {8, "Suspend", "/Z", "Suspend Windows"},   {16, "Hibernate", "/H", "Hibernate Windows"},
  };
  for (const Case& c : cases) {
    tray::AddShortcut(c.kind, "Desktop");
    ExpectShortcut(desktop + "\\" + c.file + ".lnk", c.args, c.description);
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(Shortcuts, ChoosingAgainReplacesTheFile) {
  std::string file = desktop + "\\Reboot.lnk";
  HANDLE junk = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(junk, "not a shortcut", 14, &written, nullptr);
  CloseHandle(junk);
  tray::AddShortcut(tray::kShortcutReboot, "Desktop");
  ExpectShortcut(file, "/R", "Reboot Windows");
  tray::AddShortcut(tray::kShortcutReboot, "Desktop");
  ExpectShortcut(file, "/R", "Reboot Windows");
}

TEST_F(Shortcuts, QuickLaunchOnlyWhereTheFolderExists) {
  // No folder: no file, no message, and the folder is not made.
  tray::AddShortcut(tray::kShortcutShutdown, "QuickLaunch");
  EXPECT_FALSE(Exists(quickLaunch()));
  EXPECT_FALSE(Exists(appData + "\\Shutdown.lnk"));
  EXPECT_TRUE(boxes.shown.empty());

  MakeQuickLaunch();
  tray::AddShortcut(tray::kShortcutShutdown, "QuickLaunch");
  ExpectShortcut(quickLaunch() + "\\Shutdown.lnk", "/S", "Shutdown Windows");
  tray::AddShortcut(tray::kShortcutHibernate, "QuickLaunch");
  ExpectShortcut(quickLaunch() + "\\Hibernate.lnk", "/H", "Hibernate Windows");
}

TEST_F(Shortcuts, AnyOtherDestinationIsReported) {
  tray::AddShortcut(tray::kShortcutReboot, "Start Menu");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "No Destination For Shortcut Was Given");
  EXPECT_EQ(boxes.shown[0].title, "Moxbel Tarnwick Plus Error Message");
  EXPECT_EQ(boxes.shown[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
  EXPECT_FALSE(Exists(desktop + "\\Reboot.lnk"));
}

// A shortcut made while a reboot counts down leaves the pending action alone: the countdown still
// ends in a reboot.
TEST_F(Shortcuts, ACountdownKeepsItsActionWhenAShortcutIsMade) {
  tray::TrayFrontEnd frontEnd;
  DozIzevodoz::SetFrontEnd(&frontEnd);
  os::RecordingPower power;
  os::Install<os::Power> powerInstalled{&power};
  test::SetText(kSettings, "RunTasks", "No");
  test::SetText(kSettings, "TimeOut", "1");
  DozIzevodoz::RequestAction(DozIzevodoz::kRebootCode, "Boot");
  ASSERT_TRUE(tray::Form1().Counting());

  tray::AddShortcut(tray::kShortcutSuspend, "Desktop");
  EXPECT_EQ(DozIzevodoz::ActionCode, DozIzevodoz::kRebootCode);
  ExpectShortcut(desktop + "\\Suspend.lnk", "/Z", "Suspend Windows");

  SendMessageA(tray::Form1().hWnd(), WM_TIMER, tray::Form1().Ctl<rt::Timer>("Timer1").Id(), 0);
  ASSERT_EQ(power.calls.size(), 1u);
  EXPECT_EQ(os::Describe(power.calls[0]), "ExitWindowsEx 2");
}

}  // namespace
