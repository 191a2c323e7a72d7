// The tray road of the recording program: it starts with its icon in the tray, the icon's
// callback pops the menu up, a power item chosen on the real menu counts down and acts, and Exit
// ends the program and takes the icon away.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/key_input.h"
#include "../support/power_log.h"
#include "../support/process_driver.h"
#include "../support/registry_fixture.h"
#include "../support/tray_menu.h"
#include "../support/tray_settings.h"
#include "../support/window_picture.h"

namespace {

const std::string kExe = test::WindowsPathOf(TARNWICK_RECORDING_EXE);

// Wine without a desktop of its own shows tray icons in a window of its own, one child per icon.
int TrayIconCount() {
  HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
  int count = 0;
  for (HWND icon = tray ? GetWindow(tray, GW_CHILD) : nullptr; icon; icon = GetWindow(icon, GW_HWNDNEXT))
    count += IsWindowVisible(icon) ? 1 : 0;
  return count;
}

// The file names of the modules a process has loaded, in lower case.
std::vector<std::string> ModulesOf(DWORD pid) {
  std::vector<std::string> names;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snapshot == INVALID_HANDLE_VALUE) return names;
  MODULEENTRY32 module = {sizeof module};
  for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
    std::string name = module.szModule;
    for (char& c : name) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    names.push_back(name);
  }
  CloseHandle(snapshot);
  return names;
}

class TrayRoad : public ::testing::Test {
 protected:
  void SetUp() override { test::SetUpTraySettings(); }
  void TearDown() override { test::ClearTraySettings(); }
  std::string Log() const { return power.Text(); }

  test::PowerLog power{"tarnwick-tray-power"};
};

TEST_F(TrayRoad, IconMenuActionAndExit) {
  const int iconsBefore = TrayIconCount();
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  HWND base = program.WaitForWindow("", "Moxbel Tarnwick Base Form");
  ASSERT_TRUE(base);
  EXPECT_FALSE(IsWindowVisible(base));
  EXPECT_TRUE(test::WaitUntil([&] { return TrayIconCount() == iconsBefore + 1; }, 5000)) << "no tray icon";
  // The load adds the icon first and writes the start-with-Windows command a moment later.
  const auto runCommandQuoted = [] {
    const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    return test::ReadText(kRun, "Moxbel Tarnwick").value_or("").rfind('"', 0) == 0;
  };
  EXPECT_TRUE(test::WaitUntil(runCommandQuoted, 5000)) << "no quoted start-with-Windows command";

  // The menu the icon pops up, kept as a picture.
  ASSERT_TRUE(test::OpenTrayMenu(base)) << "no tray menu";
  HWND menu = test::VisibleMenu();
  Sleep(300);
  test::Picture picture = test::CaptureWindow(menu);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "tray-menu"));
  EXPECT_GT(picture.height, 16 * 12) << "the menu has its sixteen rows";
  // Drawn by the owner-drawn engine: the side bar's strip runs down the left, red at the top.
  const int strip = picture.height / 4;
  EXPECT_GT(picture.At(6, strip, 0), 150);
  EXPECT_LT(picture.At(6, strip, 1), 40);
  EXPECT_GT(picture.At(6, strip, 0), picture.At(6, picture.height - strip, 0)) << "the gradient darkens downwards";
  // Down through the side bar to Program Options, then to its colour choices (Blue ticked).
  test::PressInTurn({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
  test::Picture selected = test::CaptureWindow(menu);
  EXPECT_TRUE(test::KeepPicture(selected, TARNWICK_ARTIFACT_DIR, "tray-menu-selected"));
  test::PressInTurn({VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT});
  HWND colours = nullptr;
  EXPECT_TRUE(test::WaitUntil([&] { return (colours = test::VisibleMenu()) != nullptr && colours != menu; }, 5000));
  if (colours && colours != menu) {
    test::Picture choices = test::CaptureWindow(colours);
    EXPECT_TRUE(test::KeepPicture(choices, TARNWICK_ARTIFACT_DIR, "tray-menu-colours"));
    EXPECT_LT(choices.height, 6 * 24) << "Red, Blue and Green";
  }
  for (int i = 0; i < 3; ++i) {
    test::PressKeys({VK_ESCAPE});
    Sleep(100);
  }
  if (test::VisibleMenu()) test::PressKeys({VK_ESCAPE});
  ASSERT_TRUE(test::WaitUntil([] { return test::VisibleMenu() == nullptr; }, 5000));

  ASSERT_TRUE(test::ChooseFromTrayMenu(base, {test::tray_row::kShutdown}));
  EXPECT_TRUE(test::WaitUntil([&] { return test::FindVisibleWindowOf(program.ProcessId()) != nullptr; }, 5000))
      << "no countdown";
  EXPECT_TRUE(test::WaitUntil([&] { return !Log().empty(); }, 10000));
  EXPECT_EQ(Log(), "ExitWindowsEx 1\n");
  ASSERT_TRUE(test::WaitUntil([&] { return test::FindVisibleWindowOf(program.ProcessId()) == nullptr; }, 5000));

  ASSERT_TRUE(test::ChooseFromTrayMenu(base, {test::tray_row::kExit}));
  EXPECT_TRUE(program.WaitForExit(10000)) << "Exit did not end the program";
  EXPECT_TRUE(test::WaitUntil([&] { return TrayIconCount() == iconsBefore; }, 5000)) << "the icon stayed";
}

// "Start Windows Startup" is checked while the program does not start with Windows: highlighted,
// it keeps its picture beside the tick's cell.
TEST_F(TrayRoad, ACheckedItemKeepsItsPictureUnderTheHighlight) {
  test::SetText(test::kTraySettings, "RunOnStartUp", "No");
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  HWND base = program.WaitForWindow("", "Moxbel Tarnwick Base Form");
  ASSERT_TRUE(base);
  ASSERT_TRUE(test::OpenTrayMenu(base)) << "no tray menu";
  HWND menu = test::VisibleMenu();
  Sleep(300);
  // Down to Program Options, into it, and down to its second item.
  for (WORD key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN}) {
    test::PressKeys({key});
    Sleep(150);
  }
  HWND options = nullptr;
  EXPECT_TRUE(test::WaitUntil([&] { return (options = test::VisibleMenu()) != nullptr && options != menu; }, 5000));
  if (options && options != menu) {
    Sleep(300);
    const test::Picture picture = test::CaptureWindow(options, true);  // as the highlight left it
    EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "tray-menu-startup-selected"));
    // The highlighted row, and where its highlight starts: the image cell lies left of it.
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), cell = GetSysColor(COLOR_3DLIGHT);
    auto is = [&](int x, int y, COLORREF c) {
      return picture.At(x, y, 0) == GetRValue(c) && picture.At(x, y, 1) == GetGValue(c) &&
             picture.At(x, y, 2) == GetBValue(c);
    };
    int top = -1, bottom = -1;
    for (int y = 0; y < picture.height; ++y)
      if (is(picture.width / 2, y, highlight)) {
        if (top < 0) top = y;
        bottom = y;
      }
    ASSERT_GE(top, 0) << "no highlighted item";
    EXPECT_LT(top, 2 * 30) << "the second item is highlighted";
    const int middle = (top + bottom) / 2;
    int left = 0;
    while (left < picture.width && !is(left, middle, highlight)) ++left;
    ASSERT_GE(left, 21);
    // The picture: 16 x 16 two pixels into the item, on the checked item's light cell.
    const int x = left - 21 + 2, y = top + (bottom + 2 - top - 16) / 2;
    const int drawn = test::CountPixels(picture, x + 2, y + 2, 12, 12, [&](int r, int g, int b) {
      return RGB(r, g, b) != cell && RGB(r, g, b) != GetSysColor(COLOR_MENU);
    });
    EXPECT_GT(drawn, 30) << "the checked item lost its picture under the highlight";
  }
  for (int i = 0; i < 3; ++i) {
    test::PressKeys({VK_ESCAPE});
    Sleep(100);
  }
  ASSERT_TRUE(test::WaitUntil([] { return test::VisibleMenu() == nullptr; }, 5000));
  ASSERT_TRUE(test::ChooseFromTrayMenu(base, {test::tray_row::kExit}));
  EXPECT_TRUE(program.WaitForExit(10000));
}

// A program that waits in the tray pays for none of what only a command needs: the dialogs and
// printing, the network, sound, COM, network drives, hashing and the common controls load with
// the first command that uses them.
TEST_F(TrayRoad, TheIdleTrayHasNotLoadedWhatOnlyCommandsNeed) {
  test::Program program(kExe, "");
  ASSERT_TRUE(program.Started());
  HWND base = program.WaitForWindow("", "Moxbel Tarnwick Base Form");
  ASSERT_TRUE(base);
  ASSERT_TRUE(test::WaitUntil([&] { return !ModulesOf(program.ProcessId()).empty(); }, 5000));
  std::vector<std::string> loaded = ModulesOf(program.ProcessId());
  EXPECT_NE(std::find(loaded.begin(), loaded.end(), "user32.dll"), loaded.end());
  for (const char* late : {"comdlg32.dll", "wininet.dll", "winmm.dll", "ole32.dll", "oleaut32.dll", "mpr.dll",
                           "bcrypt.dll", "comctl32.dll"})
    EXPECT_EQ(std::find(loaded.begin(), loaded.end(), late), loaded.end()) << late << " is loaded at the start";
}

}  // namespace
