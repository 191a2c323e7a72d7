#include "power_capabilities.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "file_exists.h"
#include "shared_state.h"

namespace {

TEST(PowerCapabilities, APIExistsLooksTheFunctionUpAndLeavesTheLibraryAsItWas) {
  EXPECT_TRUE(DozIzevodoz::APIExists("kernel32", "SetSystemPowerState"));
  EXPECT_TRUE(DozIzevodoz::APIExists("advapi32", "AdjustTokenPrivileges"));
  EXPECT_FALSE(DozIzevodoz::APIExists("kernel32", "NoSuchFunctionAnywhere"));
  EXPECT_FALSE(DozIzevodoz::APIExists("no-such-library", "Anything"));

  EXPECT_EQ(GetModuleHandleA("powrprof"), nullptr);
  EXPECT_FALSE(DozIzevodoz::APIExists("powrprof", "NotExported"));
  EXPECT_TRUE(DozIzevodoz::APIExists("powrprof", "IsPwrHibernateAllowed"));
  EXPECT_EQ(GetModuleHandleA("powrprof"), nullptr);
}

TEST(PowerCapabilities, TheProbeOnlyClearsFlags) {
  DozIzevodoz::SuspendSupported = DozIzevodoz::HibernateSupported = DozIzevodoz::PowerOffSupported = false;
  DozIzevodoz::EnableOptions();
  EXPECT_FALSE(DozIzevodoz::SuspendSupported || DozIzevodoz::HibernateSupported || DozIzevodoz::PowerOffSupported);
}

TEST(FileExists, FilesYesFoldersNo) {
  char windows[MAX_PATH];
  GetWindowsDirectoryA(windows, sizeof windows);
  std::string folder = windows;
  EXPECT_FALSE(DozIzevodoz::FileExists(folder));
  EXPECT_TRUE(DozIzevodoz::FileExists(folder + "\\system32\\kernel32.dll"));
  EXPECT_TRUE(DozIzevodoz::FileExists(folder + "\\system32\\kernel3?.dll"));
  EXPECT_FALSE(DozIzevodoz::FileExists(""));
  EXPECT_FALSE(DozIzevodoz::FileExists("Q:\\nothing\\here.txt"));
}

}  // namespace

namespace {

TEST(PowerCapabilities, AdjustTokenEnablesThePrivilegeAndKeepsNoHandle) {
  // A freed handle value is the next one handed out; a token left open would take it.
  for (int i = 0; i < 3; ++i) {
    HANDLE probe = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    DWORD status = DozIzevodoz::AdjustToken();
    EXPECT_TRUE(status == ERROR_SUCCESS || status == ERROR_NOT_ALL_ASSIGNED) << status;
    HANDLE next = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    EXPECT_EQ(next, probe) << "the token handle stays open";
    CloseHandle(next);
  }
}

}  // namespace
