#include "task_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "../support/process_driver.h"
#include "app.h"
#include "os/scripted_message_boxes.h"
#include "platform_utils.h"
#include "shared_state.h"
#include "text_file.h"

using namespace DozIzevodoz;

namespace {

// The store works in the program's folder; each test gets a fresh one.
class TaskStore : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    folder_ = std::string(temp) + "tarnwick-store-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    savedPath_ = rt::App().Path;
    rt::App().Path = folder_;
    ResetSharedState();
  }
  void TearDown() override {
    for (const std::string& f : {TaskFilePath(), GroupFilePath(), TaskFilePath() + ".tmp"}) {
      SetFileAttributesA(f.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(f.c_str());
    }
    RemoveDirectoryA(folder_.c_str());
    rt::App().Path = savedPath_;
    ResetSharedState();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
  }
  static std::string Read(const std::string& path) { return ReadWholeFile(path).value_or("<none>"); }

  std::string folder_, savedPath_;
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
};

constexpr char kTwoTasks[] = "1\tA\tp\t\t\t1\tShut\r\n\r\n2\tB\tp\t\t\t1\tBoot\r\n\r\n";

TEST_F(TaskStore, NoFileMeansNoTasks) {
  Tasks = {TaskRecord{5, "stale"}};
  TaskCount = LastTaskId = 5;
  EXPECT_EQ(LoadTasks(), LoadResult::NoFile);
  EXPECT_TRUE(Tasks.empty());
  EXPECT_EQ(TaskCount, 0);
  EXPECT_EQ(LastTaskId, 0);
  EXPECT_EQ(LoadGroups(), LoadResult::NoFile);
  EXPECT_EQ(GroupCount, 0);
  rt::App().Path = folder_ + "\\missing";  // nor is a folder that is not there an error
  EXPECT_EQ(LoadTasks(), LoadResult::NoFile);
  EXPECT_TRUE(boxes.shown.empty());
}

// A file that exists but another program holds is not an empty list: the load says so, and the
// file stays as it is.
TEST_F(TaskStore, AFileThatCannotBeReadIsReportedAndNotTakenForNoTasks) {
  Write(TaskFilePath(), kTwoTasks);
  HANDLE held = CreateFileA(TaskFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  Tasks = {TaskRecord{5, "stale"}};
  TaskCount = 1;
  EXPECT_EQ(LoadTasks(), LoadResult::Unreadable);
  CloseHandle(held);
  EXPECT_EQ(TaskCount, 0);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, rt::App().FileDescription);
  EXPECT_EQ(boxes.shown[0].text.rfind("The task list could not be read from\r\n" + TaskFilePath() + "\r\n", 0), 0u)
      << boxes.shown[0].text;
  EXPECT_NE(boxes.shown[0].text.find(SystemErrorText(ERROR_SHARING_VIOLATION)), std::string::npos);
  EXPECT_EQ(Read(TaskFilePath()), kTwoTasks);

  EXPECT_EQ(LoadTasks(), LoadResult::Loaded);
  EXPECT_EQ(TaskCount, 2);
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(TaskStore, AFileHeldForAMomentIsWaitedForAndReadWhole) {
  Write(TaskFilePath(), kTwoTasks);
  HANDLE held = CreateFileA(TaskFilePath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread release([held] {
    Sleep(150);
    CloseHandle(held);
  });
  EXPECT_EQ(LoadTasks(), LoadResult::Loaded);
  release.join();
  EXPECT_EQ(TaskCount, 2);
  EXPECT_TRUE(boxes.shown.empty());
}

// While two other processes save the file again and again (the editors of other copies of the
// program), every load finds it whole, and no save fails because a load holds the file or because
// the other writer is saving too.
TEST_F(TaskStore, LoadsWhileAnotherProcessSavesFindEveryTask) {
  Write(TaskFilePath(), kTwoTasks);
  const std::string arguments = "\"" + TaskFilePath() + "\" 1500";
  test::Program saver(test::WindowsPathOf(TARNWICK_TASK_FILE_SAVER_EXE), arguments);
  test::Program secondSaver(test::WindowsPathOf(TARNWICK_TASK_FILE_SAVER_EXE), arguments);
  ASSERT_TRUE(saver.Started());
  ASSERT_TRUE(secondSaver.Started());
  int loads = 0, incomplete = 0;
  while (saver.Running() || secondSaver.Running()) {
    ++loads;
    if (LoadTasks() != LoadResult::Loaded || TaskCount != 2) ++incomplete;
  }
  ASSERT_TRUE(saver.WaitForExit());
  ASSERT_TRUE(secondSaver.WaitForExit());
  EXPECT_EQ(saver.ExitCode(), 0u) << "saves failed";
  EXPECT_EQ(secondSaver.ExitCode(), 0u) << "saves of the second writer failed";
  EXPECT_GT(loads, 50);
  EXPECT_EQ(incomplete, 0) << "of " << loads << " loads";
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(Read(TaskFilePath()), kTwoTasks);
}

TEST_F(TaskStore, SaveThenLoadKeepsOrderAndContentsLessDeletedTasks) {
  Tasks = {{3, "Backup", "C:\\Tools\\bk.exe", "/quiet", "C:\\Tools\\", 6, "ShutBoot"},
           {-1, "Deleted", "x.exe", "", "", 1, "Shut"},
           {8, "Mail", "m.exe", "", "", 0, ""},
           {9, "Beyond the count", "n.exe", "", "", 1, "Shut"}};
  TaskCount = 3;
  ASSERT_TRUE(SaveTasks());
  EXPECT_EQ(Tasks.size(), 4u) << "the arrays are not changed";
  EXPECT_EQ(Read(TaskFilePath()), "3\tBackup\tC:\\Tools\\bk.exe\t/quiet\tC:\\Tools\\\t6\tShutBoot\r\n\r\n"
                                  "8\tMail\tm.exe\t\t\t0\t\r\n\r\n");
  EXPECT_EQ(GetFileAttributesA((TaskFilePath() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

  LoadTasks();
  ASSERT_EQ(TaskCount, 2);
  EXPECT_EQ(Tasks[0].Desc, "Backup");
  EXPECT_EQ(Tasks[1].Desc, "Mail");
  EXPECT_EQ(LastTaskId, 8);

  Groups = {{7, "Night", ""}, {2, "Day", "3;8"}};
  GroupCount = 2;
  ASSERT_TRUE(SaveGroups());
  EXPECT_EQ(Read(folder_ + "\\Groups.txt"), "7\tNight\t\r\n2\tDay\t3;8\r\n");
  LoadGroups();
  EXPECT_EQ(GroupCount, 2);
  EXPECT_EQ(LastGroupId, 7);
}

TEST_F(TaskStore, ASaveThatCannotWriteSaysSoAndLeavesTheOldFile) {
  const std::string old = "1\tOld\tp\t\t\t1\tShut\r\n\r\n";
  Write(TaskFilePath(), old);
  SetFileAttributesA(TaskFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
  Tasks = {{2, "New", "p", "", "", 1, "Shut"}};
  TaskCount = 1;
  EXPECT_FALSE(SaveTasks());
  EXPECT_EQ(Read(TaskFilePath()), old);
  EXPECT_EQ(GetFileAttributesA((TaskFilePath() + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);

  // A folder that does not exist: nothing can be written anywhere.
  rt::App().Path = folder_ + "\\missing";
  EXPECT_FALSE(SaveGroups());
}

TEST_F(TaskStore, ALoadReadsAnLfFileWithBadLines) {
  Write(TaskFilePath(), "1\tA\tp\t\t\tbig\tShut\n\nzz\tB\tp\t\t\t1\tShut\n4\tC\tp\t\t\t1\n");
  LoadTasks();
  ASSERT_EQ(TaskCount, 1);
  EXPECT_EQ(Tasks[0].WinStyle, 1);
  EXPECT_EQ(LastTaskId, 1);
}

}  // namespace
