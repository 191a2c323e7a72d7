#include "folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "folder_path.h"

namespace {

// Real folders of the test prefix: one with a file in it, one empty, and a path that is a file.
class FolderExistsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    root_ = std::string(temp) + "tarnwick-folder-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(root_.c_str(), nullptr);
    CreateDirectoryA((root_ + "\\empty").c_str(), nullptr);
    HANDLE f = CreateFileA(File().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(f);
  }
  void TearDown() override {
    DeleteFileA(File().c_str());
    RemoveDirectoryA((root_ + "\\empty").c_str());
    RemoveDirectoryA(root_.c_str());
  }
  std::string File() const { return root_ + "\\file.exe"; }
  std::string root_;
};

TEST_F(FolderExistsTest, RealFoldersFilesAndMissingPaths) {
  struct {
    std::string path;
    bool exists;
  } cases[] = {
      {root_, true},
      {root_ + "\\", true},
      {"  " + root_ + "\\empty  ", true},
      {root_ + "\\missing", false},
      {root_ + "\\missing\\deeper\\", false},  // the "nul" device test must not rescue it
      {File(), false},
      {"C:", true},
      {"C:\\", true},
      {"\\\\nosuchserver\\noshare", false},
      {"C:\\" + std::string(400, 'x'), false},
  };
  for (const auto& c : cases) EXPECT_EQ(Folder::FolderExists(c.path), c.exists) << c.path;
}

// The Unix name of a path of the prefix, as Wine's kernel32 gives it.
std::string UnixName(const std::string& path) {
  using Convert = char*(CDECL*)(LPCWSTR);
  auto convert = reinterpret_cast<Convert>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  std::wstring wide(path.begin(), path.end());
  char* unix = convert(wide.c_str());
  if (!unix) return {};
  std::string name = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return name;
}

// Runs a Unix program, which Wine starts like any other.
bool RunUnix(const std::string& commandLine) {
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

// A drive root with nothing in it lists no entry at all, not even "." or "..": a spare drive
// letter of the prefix is pointed at the empty folder.
TEST_F(FolderExistsTest, AnEmptyDriveRootExists) {
  std::string drive = UnixName("C:\\");  // ".../dosdevices/c:/"
  ASSERT_GT(drive.size(), 3u);
  const std::string dosdevices = drive.substr(0, drive.size() - 3) + "q:";
  ASSERT_TRUE(RunUnix("/bin/ln -sfn " + UnixName(root_ + "\\empty") + " " + dosdevices));
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  for (int i = 0; i < 40 && attributes == INVALID_FILE_ATTRIBUTES; ++i, Sleep(50)) attributes = GetFileAttributesA("Q:\\");
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(Folder::FolderExists("Q:"));
  EXPECT_TRUE(Folder::FolderExists("Q:\\"));
  RunUnix("/bin/rm -f " + dosdevices);
}

}  // namespace
