#pragma once
// The command line as the program's start procedure sees it: the text after the program's path.
#include <string>
#include <string_view>

namespace rt {

// Drops the program path (quoted or not) and the blanks after it from a raw command line such as
// GetCommandLineA returns.
std::string StripProgramPath(std::string_view rawCommandLine);

}  // namespace rt
