#pragma once
// How a task's program path and arguments become the two texts CreateProcessA takes.
#include <string>
#include <string_view>

namespace DozIzevodoz {

// The path in double quotes unless it holds one already, then one blank and the arguments (the
// blank stays when there are none).
std::string TaskCommandLine(std::string_view program, std::string_view arguments);

// The path with its double quotes taken out: the application-name argument wants the bare path.
std::string TaskApplicationName(std::string_view program);

}  // namespace DozIzevodoz
