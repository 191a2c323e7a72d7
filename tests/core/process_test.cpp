// The program runner with a real task program (the tests' task_helper.exe).
#include "process.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

#include "../support/file_text.h"
#include "../support/process_driver.h"
#include "shared_state.h"

namespace {

const std::string kHelper = test::WindowsPathOf(TARNWICK_TASK_HELPER_EXE);

std::string ReadFile(const std::string& path) { return test::ReadFileText(path); }

std::string TempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  return temp;
}

class ProgramRunner : public ::testing::Test {
 protected:
  void SetUp() override {
    DozIzevodoz::CancelTasks = false;
    const std::string stem = TempFolder() + "tarnwick-run-" + std::to_string(GetCurrentProcessId());
    log_ = stem + ".log";
    report_ = stem + ".report";
    DeleteFileA(log_.c_str());
    DeleteFileA(report_.c_str());
  }
  void TearDown() override {
    DozIzevodoz::CancelTasks = false;
    DeleteFileA(log_.c_str());
    DeleteFileA(report_.c_str());
  }
  std::string log_, report_;
};

TEST_F(ProgramRunner, TheExitCodeComesBackOnceTheProgramHasEnded) {
  // 259 is STILL_ACTIVE: a program that exits with it has ended all the same.
  for (int32_t code : {0, 7, 259}) {
    DeleteFileA(log_.c_str());
    int32_t result = Process::ExecPoll(kHelper, "name=t log=" + log_ + " sleep=200 exit=" + std::to_string(code), "", 1);
    EXPECT_EQ(result, code);
    EXPECT_EQ(ReadFile(log_), "t start\nt end\n") << code;
  }
}

TEST_F(ProgramRunner, AProgramThatCannotStartGivesMinusOneAtOnce) {
  auto begin = std::chrono::steady_clock::now();
  EXPECT_EQ(Process::ExecPoll("C:\\no such folder\\none.exe", "", "", 1), -1);
  EXPECT_EQ(Process::ExecPoll(TempFolder(), "", "", 1), -1);  // a folder is no program
  EXPECT_EQ(Process::ExecPoll(kHelper, "", "C:\\no such folder\\", 1), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(5));
}

TEST_F(ProgramRunner, TheProgramGetsItsCommandLineFolderAndShowCode) {
  char ours[MAX_PATH];
  GetCurrentDirectoryA(sizeof ours, ours);
  const std::string folder = TempFolder();
  struct Case { std::string program; std::string folder; int32_t winStyle; std::string line; std::string seenFolder; };
  const Case cases[] = {
      {kHelper, "", 6, "\"" + kHelper + "\" report=" + report_, ours},
      {"\"" + kHelper + "\"", folder, 0, "\"" + kHelper + "\" report=" + report_, folder},
      {kHelper, folder, 3, "\"" + kHelper + "\" report=" + report_, folder},
  };
  for (const Case& c : cases) {
    DeleteFileA(report_.c_str());
    ASSERT_EQ(Process::ExecPoll(c.program, "report=" + report_, c.folder, c.winStyle), 0) << c.program;
    std::string report = ReadFile(report_);
    EXPECT_NE(report.find("command=" + c.line + "\n"), std::string::npos) << report;
    // GetCurrentDirectory has no trailing backslash except at a drive root; the temp folder has one.
    std::string seen = c.seenFolder;
    if (seen.size() > 3 && seen.back() == '\\') seen.pop_back();
    EXPECT_NE(report.find("folder=" + seen + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("flags=1\n"), std::string::npos) << report;
    EXPECT_NE(report.find("show=" + std::to_string(c.winStyle) + "\n"), std::string::npos) << report;
  }
  // Without arguments the blank after the path is still there.
  ASSERT_EQ(Process::ExecPoll(kHelper, "", "", 1), 0);
}

TEST_F(ProgramRunner, OurHandlesAreNotPassedOn) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE event = CreateEventA(&inheritable, TRUE, FALSE, nullptr);
  ASSERT_TRUE(event);
  const std::string value = std::to_string(reinterpret_cast<uintptr_t>(event));
  ASSERT_EQ(Process::ExecPoll(kHelper, "report=" + report_ + " handle=" + value, "", 1), 0);
  CloseHandle(event);
  EXPECT_NE(ReadFile(report_).find("inherited=no\n"), std::string::npos) << ReadFile(report_);
}

// Cancels from a timer message, which only the runner's own message pump can deliver.
void CALLBACK CancelFromTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  DozIzevodoz::CancelTasks = true;
}

TEST_F(ProgramRunner, ACancelDuringTheWaitTerminatesTheProgramAndReturnsSoon) {
  SetTimer(nullptr, 0, 500, &CancelFromTimer);
  auto begin = std::chrono::steady_clock::now();
  int32_t result = Process::ExecPoll(kHelper, "name=t log=" + log_ + " sleep=30000 exit=5", "", 1);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(10));
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(DozIzevodoz::CancelTasks);
  EXPECT_EQ(ReadFile(log_), "t start\n");
}

}  // namespace
