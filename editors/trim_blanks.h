#pragma once
#include <string>
#include <string_view>

namespace editors {

// Blanks stripped at both ends (only blanks, as the task file's own readers expect).
std::string TrimBlanks(std::string_view text);

}  // namespace editors
