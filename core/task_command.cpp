#include "task_command.h"

namespace DozIzevodoz {

std::string TaskCommandLine(std::string_view program, std::string_view arguments) {
  std::string line;
  if (program.find('"') != std::string_view::npos) {
    line = program;
  } else {
    line = "\"";
    line += program;
    line += "\"";
  }
  line += " ";
  line += arguments;
  return line;
}

std::string TaskApplicationName(std::string_view program) {
  std::string name;
  for (char c : program)
    if (c != '"') name += c;
  return name;
}

}  // namespace DozIzevodoz
