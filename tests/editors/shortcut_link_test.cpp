#include "shortcut_link.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "shortcut_writer.h"

namespace editors {
namespace {

std::string TempFile(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  return std::string(temp) + "tarnwick-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

std::string Notepad() {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  return std::string(windows) + "\\notepad.exe";
}

TEST(ResolveShortcut, ReadsTargetArgumentsFolderAndShowCommand) {
  const std::string link = TempFile("Notes.lnk");
  ASSERT_TRUE(test::WriteShortcut(link, Notepad(), "/a \"b c\"", "C:\\windows\\", SW_SHOWMINNOACTIVE));
  std::optional<ShortcutTarget> target = ResolveShortcut(link);
  DeleteFileA(link.c_str());
  ASSERT_TRUE(target);
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, target->path.c_str(), -1, Notepad().c_str(), -1),
            CSTR_EQUAL)
      << target->path;
  EXPECT_EQ(target->arguments, "/a \"b c\"");
  EXPECT_EQ(target->workingDir, "C:\\windows\\");
  // Wine 8's link object reads every show command back as SW_SHOWNORMAL, so it is not compared here.
}

// A task runs its program and folder as written: a variable left in them would never resolve.
TEST(ResolveShortcut, ExpandsTheEnvironmentInTargetArgumentsAndFolder) {
  const std::string link = TempFile("Expanding.lnk");
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  // An absolute target, since the link object makes a relative one absolute when it is set.
  SetEnvironmentVariableA("TARNWICK_LINK_FOLDER", windows + 3);
  ASSERT_TRUE(test::WriteShortcut(link, std::string(windows, 3) + "%TARNWICK_LINK_FOLDER%\\notepad.exe",
                                  "/p %TEMP%\\a.txt", "%TEMP%", SW_SHOWNORMAL));
  std::optional<ShortcutTarget> target = ResolveShortcut(link);
  DeleteFileA(link.c_str());
  SetEnvironmentVariableA("TARNWICK_LINK_FOLDER", nullptr);
  ASSERT_TRUE(target);
  char temp[MAX_PATH] = {};
  ASSERT_GT(GetEnvironmentVariableA("TEMP", temp, sizeof temp), 0u);
  EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, target->path.c_str(), -1, Notepad().c_str(), -1),
            CSTR_EQUAL)
      << target->path;
  EXPECT_EQ(target->arguments, "/p " + std::string(temp) + "\\a.txt");
  EXPECT_EQ(target->workingDir, temp);
}

TEST(ResolveShortcut, AFileThatIsNoShortcutOrIsMissingGivesNothing) {
  const std::string fake = TempFile("fake.lnk");
  HANDLE f = CreateFileA(fake.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(f, "not a link", 10, &written, nullptr);
  CloseHandle(f);
  EXPECT_FALSE(ResolveShortcut(fake));
  DeleteFileA(fake.c_str());
  EXPECT_FALSE(ResolveShortcut(TempFile("missing.lnk")));
}

}  // namespace
}  // namespace editors
