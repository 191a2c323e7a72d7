// Every window a command of the tray menu opens, opened through the real owner-drawn menu of the
// recording program: it shows with its controls, closes, and leaves a program that still answers
// and that Exit Program ends. Only the real program can show what the in-process suites cannot
// see: a system library its command fails to load, a window that never shows, a crash, a hidden
// window that keeps the process alive after Exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "../support/child_windows.h"
#include "../support/power_log.h"
#include "../support/process_driver.h"
#include "../support/shell_folders.h"
#include "../support/shortcut_reader.h"
#include "../support/tray_menu.h"
#include "../support/tray_settings.h"
#include "../support/window_picture.h"

namespace {

const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);

namespace row = test::tray_row;

struct Child {
  const char* className;
  const char* text;  // how its text begins; nullptr: any text
};

// How a window is closed as a user closes it: a button of its own, a click on a spot of it (a
// windowless label), or else the close of its frame.
struct Close {
  const char* button = nullptr;
  POINT click{-1, -1};  // client pixels
};

// One window of a command: found by its title among the program's top-level windows (or any
// process's, for a program the command starts), checked, kept as a picture and closed.
struct Step {
  const char* picture;  // the artifact's name; nullptr: the window was seen before
  const char* className;
  const char* title;
  bool titleIsStart = false;  // the title runs on (a version number)
  bool ownProcess = true;     // false: a program of its own that the command starts
  std::vector<Child> children;
  Close close;
};

struct Case {
  const char* name;
  std::vector<int> rows;
  std::vector<Step> steps;  // the command's window, and what its buttons lead to
};

constexpr char kFormClass[] = "TarnwickForm";
constexpr char kBoxClass[] = "#32770";

const Step kTaskChooser = {.picture = "tray-window-task-chooser",
                           .className = kFormClass,
                           .title = "Moxbel Tarnwick",
                           .children = {{"Button", "Do Not Run"},
                                        {"Button", "Run Tasks"},
                                        {"ListBox", nullptr},
                                        {"Button", "Add/Edit Tasks"},
                                        {"Button", "Close"}},
                           .close = {.button = "Add/Edit Tasks"}};

const Step kTaskEditor = {.picture = "tray-window-task-editor",
                          .className = kFormClass,
                          .title = "Moxbel Tarnwick - Add or Edit Tasks",
                          .children = {{"ListBox", nullptr},
                                       {"Button", "New Task"},
                                       {"Button", "Delete Task"},
                                       {"Button", "Edit Task"},
                                       {"TarnwickContainer", "Program Task Information "},
                                       {"Edit", nullptr},
                                       {"Button", "&Browse"},
                                       {"ComboBox", nullptr},
                                       {"Button", "Shutdown"},
                                       {"Button", "PowerOff"},
                                       {"Button", "Reboot"},
                                       {"Button", "LogOff"},
                                       {"Button", "Suspend"},
                                       {"Button", "Hibernate"},
                                       {"Button", "Cancel Changes"},
                                       {"Button", "Save Changes"},
                                       {"Button", "Return"},
                                       {"Button", "Finished"}},
                          .close = {.button = "Return"}};

// Back from the editor, the chooser shows again and closes for good.
const Step kTaskChooserAgain = {.picture = nullptr,
                                .className = kFormClass,
                                .title = "Moxbel Tarnwick",
                                .children = kTaskChooser.children,
                                .close = {.button = "Close"}};

const Step kOptions = {.picture = "tray-window-options",
                       .className = kFormClass,
                       .title = "Moxbel Tarnwick v ",
                       .titleIsStart = true,
                       .children = {{"Edit", nullptr}, {"Edit", "3"}, {"Button", "Save"}, {"Button", "Close"}},
                       .close = {.button = "Close"}};

const Step kHotKeys = {.picture = "tray-window-hot-keys",
                       .className = kFormClass,
                       .title = "Moxbel Tarnwick v ",
                       .titleIsStart = true,
                       .children = {{"TarnwickContainer", "Options"},
                                    {"Button", "Set Hotkey Ctrl + Alt + S for Shutdown"},
                                    {"Button", "Set Hotkey Ctrl + Alt + R for Reboot"},
                                    {"Button", "Set Hotkey Ctrl + Alt + L for LogOff"},
                                    {"Button", "Set Hotkey Ctrl + Alt + P for PowerOff"},
                                    {"Button", "Set Hotkey Ctrl + Alt + Z for Suspend"},
                                    {"Button", "Set Hotkey Ctrl + Alt + H for Hibernate"},
                                    {"Button", "Set Hotkey Ctrl + Alt + X for Exit Program"},
                                    {"Button", "OK"}},
                       .close = {.button = "OK"}};

// Labels and pictures only, no child windows; a click on the middle of its label "Click Here To
// Close" (6240 + 975 / 2 by 3000 + 375 / 2 twips, 15 twips to the pixel) closes it.
const Step kAbout = {.picture = "tray-window-about",
                     .className = kFormClass,
                     .title = "About Moxbel Tarnwick v",
                     .titleIsStart = true,
                     .close = {.click = {448, 212}}};

const Step kNoUpdateServer = {
    .picture = "tray-window-update-no-server",
    .className = kBoxClass,
    .title = "Moxbel Tarnwick AutoUpdate Program",
    .children = {{"Static", "No usable update server is set, so the program cannot look for updates."},
                 {"Button", "OK"}},
    .close = {.button = "OK"}};

const Step kHelpViewer = {.picture = "tray-window-help",
                          .className = nullptr,
                          .title = "Moxbel Tarnwick Help",
                          .ownProcess = false,
                          .children = {{"SysTreeView32", nullptr}}};

const std::vector<Case> kCases = {
    {"TaskChooserAndEditor", {row::kProgramOptions, row::kRunTasks}, {kTaskChooser, kTaskEditor, kTaskChooserAgain}},
    {"OptionsDialog", {row::kProgramOptions, row::kTextOptions, 0}, {kOptions}},
    {"HotKeyDialog", {row::kProgramOptions, row::kHotKeyOptions, 0}, {kHotKeys}},
    {"AboutBox", {row::kAbout}, {kAbout}},
    {"UpdateCheckWithoutAServer", {row::kUpdate}, {kNoUpdateServer}},
    {"ProgramHelp", {row::kHelp}, {kHelpViewer}},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

bool TitleFits(HWND window, const Step& step) {
  char text[512] = {}, cls[256] = {};
  GetWindowTextA(window, text, sizeof text);
  GetClassNameA(window, cls, sizeof cls);
  if (step.className && std::string(cls) != step.className) return false;
  return step.titleIsStart ? std::string(text).rfind(step.title, 0) == 0 : std::string(text) == step.title;
}

// The visible top-level window of the step, of the program or (a program of its own) of any process.
HWND FindStepWindow(const test::Program& program, const Step& step) {
  if (step.ownProcess)
    return test::FindVisibleWindowOf(program.ProcessId(), [&](HWND w) { return TitleFits(w, step) ? w : nullptr; });
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
    if (IsWindowVisible(w) && TitleFits(w, step)) return w;
  return nullptr;
}

void CloseAsAUser(HWND window, const Close& close) {
  if (close.button) {
    PostMessageA(test::FindDescendant(window, "Button", close.button), BM_CLICK, 0, 0);
  } else if (close.click.x >= 0) {
    const LPARAM at = MAKELPARAM(close.click.x, close.click.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
  } else {
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

void ExpectItsControls(HWND window, const Step& step) {
  for (const Child& child : step.children) {
    const std::string what =
        std::string(child.className) + " \"" + (child.text ? child.text : "") + "\" of \"" + step.title + "\"";
    HWND found = nullptr;
    EXPECT_TRUE(test::WaitUntil(
        [&] { return (found = test::FindDescendant(window, child.className, child.text)) != nullptr; }, 5000))
        << "no " << what;
    // Held to the program's own windows only: the help viewer is the system's.
    if (found && step.ownProcess) {
      EXPECT_TRUE(test::ReachableAtItsMiddle(found)) << what << " is covered";
    }
  }
}

void ExpectPaintedAndKept(HWND window, const Step& step) {
  test::Picture picture = test::CaptureWindow(window);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, step.picture));
  // A window that never painted is one colour; every one of these draws text on its background.
  const int differing = test::CountPixels(picture, 0, 0, picture.width, picture.height, [&](int r, int g, int b) {
    return r != picture.At(0, 0, 0) || g != picture.At(0, 0, 1) || b != picture.At(0, 0, 2);
  });
  EXPECT_GT(differing, picture.width * picture.height / 100) << "\"" << step.title << "\" is blank";
}

// A program that answers a message sent to its tray window within seconds is not hung.
bool Answers(HWND base) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(base, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result) != 0;
}

class TrayCommands : public ::testing::Test {
 protected:
  void SetUp() override { test::SetUpTraySettings(); }
  void TearDown() override { test::ClearTraySettings(); }

  // Exit Program from the menu ends the process, whatever the command before it left loaded.
  static void ExitEndsTheProgram(test::Program& program, HWND base) {
    EXPECT_TRUE(test::ChooseFromTrayMenu(base, {row::kExit})) << "no tray menu for Exit";
    EXPECT_TRUE(program.WaitForExit(10000)) << "Exit Program did not end the program";
    EXPECT_EQ(program.ExitCode(), 0u);
  }

  test::PowerLog power{"tarnwick-tray-windows-power"};
};

class TrayCommandWindows : public TrayCommands, public ::testing::WithParamInterface<Case> {};

TEST_P(TrayCommandWindows, ShowsWithItsControlsClosesAndTheProgramAnswers) {
  const Case& c = GetParam();
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started()) << GetLastError();
  HWND base = program.WaitForWindow("", "Moxbel Tarnwick Base Form");
  ASSERT_TRUE(base);
  ASSERT_TRUE(test::ChooseFromTrayMenu(base, c.rows)) << "no tray menu";

  for (const Step& step : c.steps) {
    HWND window = nullptr;
    ASSERT_TRUE(test::WaitUntil([&] { return (window = FindStepWindow(program, step)) != nullptr; }, 15000))
        << "\"" << step.title << "\" did not show";
    ExpectItsControls(window, step);
    if (step.picture) ExpectPaintedAndKept(window, step);
    DWORD viewer = 0;
    GetWindowThreadProcessId(window, &viewer);
    CloseAsAUser(window, step.close);
    EXPECT_TRUE(test::WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, 10000))
        << "\"" << step.title << "\" did not close";
    if (!step.ownProcess) {
      HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, viewer);
      if (process) {
        EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0) << "the viewer went on running";
        TerminateProcess(process, 1);
        CloseHandle(process);
      }
    }
  }

  EXPECT_TRUE(Answers(base)) << "the program hangs";
  EXPECT_EQ(test::FindVisibleWindowOf(program.ProcessId()), nullptr) << "a window of the command stayed";
  EXPECT_EQ(power.Text(), "") << "a power command was chosen";
  ExitEndsTheProgram(program, base);
}

INSTANTIATE_TEST_SUITE_P(EachCommand, TrayCommandWindows, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

// The user's desktop and Quick Launch folders for a test: folders of the test prefix, the shell's
// pointed at them until the end of the scope, and gone afterwards with what was written there.
class LinkFolders {
 public:
  LinkFolders() {
    for (const std::string& folder : Folders()) CreateDirectoryA(folder.c_str(), nullptr);
  }
  ~LinkFolders() {
    for (const char* folder : {desktop.c_str(), quickLaunch.c_str()})
      DeleteFileA((std::string(folder) + "\\Shutdown.lnk").c_str());
    std::vector<std::string> folders = Folders();
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) RemoveDirectoryA(it->c_str());
  }
  LinkFolders(const LinkFolders&) = delete;
  LinkFolders& operator=(const LinkFolders&) = delete;

  const std::string root = TempFolder(), desktop = root + "\\desktop", appData = root + "\\appdata";
  // The command writes into the Quick Launch folder only where it exists.
  const std::string quickLaunch = appData + "\\Microsoft\\Internet Explorer\\Quick Launch";

 private:
  static std::string TempFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "tarnwick-tray-links-" + std::to_string(GetCurrentProcessId());
  }
  std::vector<std::string> Folders() const {
    return {root, desktop, appData, appData + "\\Microsoft", appData + "\\Microsoft\\Internet Explorer", quickLaunch};
  }
  test::RedirectedShellFolder desktopRedirected_{"Desktop", desktop};
  test::RedirectedShellFolder appDataRedirected_{"AppData", appData};
};

// The two shortcut items write a .lnk file into the user's desktop and Quick Launch folders that
// starts this program with the shutdown letter.
TEST_F(TrayCommands, ShortcutItemsWriteLinksThatStartTheProgram) {
  LinkFolders folders;
  const struct {
    std::vector<int> rows;
    std::string file;
  } links[] = {
      {{row::kProgramOptions, row::kShortcutOptions, row::kDesktop, 0}, folders.desktop + "\\Shutdown.lnk"},
      {{row::kProgramOptions, row::kShortcutOptions, row::kQuickLaunch, 0}, folders.quickLaunch + "\\Shutdown.lnk"},
  };
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started()) << GetLastError();
  HWND base = program.WaitForWindow("", "Moxbel Tarnwick Base Form");
  ASSERT_TRUE(base);
  for (const auto& link : links) {
    ASSERT_TRUE(test::ChooseFromTrayMenu(base, link.rows)) << "no tray menu";
    std::optional<test::ShortcutFields> read;
    EXPECT_TRUE(test::WaitUntil([&] { return (read = test::ReadShortcut(link.file)).has_value(); }, 10000))
        << "no " << link.file;
    if (!read) continue;
    EXPECT_EQ(lstrcmpiA(read->target.c_str(), kExe.c_str()), 0) << read->target;
    EXPECT_EQ(read->arguments, "/S");
    EXPECT_NE(GetFileAttributesA(read->target.c_str()), INVALID_FILE_ATTRIBUTES) << "it leads nowhere";
    EXPECT_TRUE(Answers(base)) << "the program hangs";
  }
  EXPECT_EQ(power.Text(), "") << "a power command was chosen";
  ExitEndsTheProgram(program, base);
}

}  // namespace
