#pragma once
// Path text helpers that need no operating system.
#include <string>
#include <string_view>

namespace rt {

// folder + "\" + name, with exactly one backslash between them ("C:\" + "a" is "C:\a").
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace rt
