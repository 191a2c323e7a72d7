#include "process.h"

#include <windows.h>

#include "message_loop.h"
#include "scoped_win.h"
#include "shared_state.h"
#include "task_command.h"

namespace Process {
namespace {

constexpr DWORD kPollMilliseconds = 50;

}  // namespace

int32_t ExecPoll(const std::string& program, const std::string& arguments, const std::string& folder,
                 int32_t winStyle) {
  const std::string application = DozIzevodoz::TaskApplicationName(program);
  std::string commandLine = DozIzevodoz::TaskCommandLine(program, arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(winStyle);
  PROCESS_INFORMATION started = {};
  // An empty current folder makes CreateProcessA fail, so "no folder" is NULL (ours). Our own
  // handles stay ours: the task is a program of the user's, not a child that shares our files.
  if (!CreateProcessA(application.c_str(), commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &started))
    return -1;
  rt::UniqueHandle process(started.hProcess);
  rt::UniqueHandle thread(started.hThread);  // declared last, so it is closed first

  // The end is told by the process object, not by the exit code: a program may well exit with
  // STILL_ACTIVE (259) as its code. Waiting on the object also stands in for the sleep between
  // two rounds of messages, and ends that sleep as soon as the program has gone.
  for (;;) {
    if (DozIzevodoz::CancelTasks) TerminateProcess(process.get(), 0);
    rt::DoEvents();
    if (WaitForSingleObject(process.get(), kPollMilliseconds) != WAIT_TIMEOUT) break;
  }
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(process.get(), &exitCode)) return -1;
  return static_cast<int32_t>(exitCode);
}

}  // namespace Process
