#include "program.h"

#include "app.h"
#include "command_text.h"
#include "error_report.h"
#include "message_loop.h"

namespace rt {

namespace {
std::string& CommandTextStorage() {
  static std::string text;
  return text;
}
}  // namespace

const std::string& CommandText() { return CommandTextStorage(); }
void SetCommandText(std::string text) { CommandTextStorage() = std::move(text); }

int RunProgram(HINSTANCE instance, const ProgramInfo& program) {
  InitApp(instance, program.title);
  SetCommandText(StripProgramPath(GetCommandLineA()));
  Trap(program.startObject, "Main", [&] { program.startProcedure(); });
  return RunMessageLoop();
}

}  // namespace rt
