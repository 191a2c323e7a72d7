#pragma once
// The program's start: the runtime prepares App, runs the start procedure, then the message loop.
#include <windows.h>

#include <string>

namespace rt {

struct ProgramInfo {
  std::string title;
  void (*startProcedure)() = nullptr;
  const char* startObject = "Main";  // names the procedure in an error report
};

int RunProgram(HINSTANCE instance, const ProgramInfo& program);

// The command text after the program's own path (the start procedure's view of the command line).
// RunProgram takes it from the process; a host that runs a start procedure itself may set it.
const std::string& CommandText();
void SetCommandText(std::string text);

}  // namespace rt
