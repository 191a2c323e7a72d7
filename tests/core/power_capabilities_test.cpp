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

// What powrprof answers when the test asks it itself.
bool Powrprof(const char* function) {
  HMODULE library = LoadLibraryA("powrprof");
  auto query = reinterpret_cast<BOOLEAN(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(library, function)));
  const bool answer = query && (query() & 0xFF) != 0;
  FreeLibrary(library);
  return answer;
}

// Where powrprof and SetSystemPowerState are there (Wine has both), powrprof's answers decide;
// and a flag its caller has cleared stays clear, whatever the system offers.
TEST(PowerCapabilities, TheProbeTakesThePowrprofAnswersAndNeverSetsAFlag) {
  using namespace DozIzevodoz;
  ASSERT_TRUE(APIExists("kernel32", "SetSystemPowerState"));
  bool* flags[] = {&SuspendSupported, &HibernateSupported, &PowerOffSupported};
  const bool system[] = {Powrprof("IsPwrSuspendAllowed"), Powrprof("IsPwrHibernateAllowed"),
                         Powrprof("IsPwrShutdownAllowed")};
  for (int cleared = -1; cleared < 3; ++cleared) {
    for (int i = 0; i < 3; ++i) *flags[i] = i != cleared;
    EnableOptions();
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(*flags[i], i != cleared && system[i]) << "cleared " << cleared << ", flag " << i;
  }
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

// With wildcards the first match decides: a folder is not a file.
TEST(FileExists, AWildcardWhoseMatchIsAFolderIsNoFile) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string root = std::string(temp) + "tarnwick-exists-" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((root + "\\hiberfil.dir").c_str(), nullptr));
  HANDLE file = CreateFileA((root + "\\hiberfil.sys").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  EXPECT_FALSE(DozIzevodoz::FileExists(root + "\\hiberfil.d*"));
  EXPECT_FALSE(DozIzevodoz::FileExists(root + "\\*.dir"));
  EXPECT_TRUE(DozIzevodoz::FileExists(root + "\\hiberfil.s?s"));
  DeleteFileA((root + "\\hiberfil.sys").c_str());
  RemoveDirectoryA((root + "\\hiberfil.dir").c_str());
  RemoveDirectoryA(root.c_str());
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
