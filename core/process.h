#pragma once
// The program runner: starts one task program and waits for it while the program's windows keep
// working.
#include <cstdint>
#include <string>

namespace Process {

// Runs the program with its arguments, working folder ("" = ours) and show-window code, and
// returns its exit code once it has ended, or -1 when it could not be started. While it runs the
// message loop keeps going; a CancelTasks set meanwhile terminates it (exit code 0).
int32_t ExecPoll(const std::string& program, const std::string& arguments, const std::string& folder,
                 int32_t winStyle);

}  // namespace Process
