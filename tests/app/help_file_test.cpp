// The help file shipped beside the program, opened in the system's HTML Help viewer.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "../support/process_driver.h"
#include "../support/window_picture.h"

namespace {

const std::string kHelpFile = test::WindowsPathOf(TARNWICK_HELP_FILE);
constexpr LRESULT kTopics = 8;  // the pages listed in the help's contents

HWND FindDescendant(HWND parent, const char* className) {
  struct Search {
    const char* className;
    HWND found;
  } search{className, nullptr};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        char name[64] = {};
        GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, s->className) != 0) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(HelpFile, TheHelpViewerOpensItWithItsTitleAndContents) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  test::Program viewer(std::string(windows) + "\\hh.exe", "\"" + kHelpFile + "\"");
  ASSERT_TRUE(viewer.Started());
  HWND window = viewer.WaitForWindow("", "Moxbel Tarnwick Help");
  ASSERT_NE(window, nullptr) << "the viewer showed no window titled by the help file";
  HWND contents = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (contents = FindDescendant(window, WC_TREEVIEWA)) != nullptr; }));
  EXPECT_TRUE(test::WaitUntil([&] { return SendMessageA(contents, TVM_GETCOUNT, 0, 0) == kTopics; }))
      << SendMessageA(contents, TVM_GETCOUNT, 0, 0) << " topics in the contents";
  EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(window), TARNWICK_ARTIFACT_DIR, "help-viewer"));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(viewer.WaitForExit());
}

}  // namespace
