// The help file shipped beside the program, opened in the system's HTML Help viewer.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../support/child_windows.h"
#include "../support/process_driver.h"
#include "../support/window_picture.h"

namespace {

const std::string kHelpFile = test::WindowsPathOf(TARNWICK_HELP_FILE);
constexpr LRESULT kTopics = 8;  // the pages listed in the help's contents

TEST(HelpFile, TheHelpViewerOpensItWithItsTitleAndContents) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  test::Program viewer(std::string(windows) + "\\hh.exe", "\"" + kHelpFile + "\"");
  ASSERT_TRUE(viewer.Started());
  HWND window = viewer.WaitForWindow("", "Moxbel Tarnwick Help");
  ASSERT_NE(window, nullptr) << "the viewer showed no window titled by the help file";
  HWND contents = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (contents = test::FindDescendant(window, WC_TREEVIEWA)) != nullptr; }));
  EXPECT_TRUE(test::WaitUntil([&] { return SendMessageA(contents, TVM_GETCOUNT, 0, 0) == kTopics; }))
      << SendMessageA(contents, TVM_GETCOUNT, 0, 0) << " topics in the contents";
  EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(window), TARNWICK_ARTIFACT_DIR, "help-viewer"));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(viewer.WaitForExit());
}

}  // namespace
