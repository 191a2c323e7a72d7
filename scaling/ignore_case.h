#pragma once
#include <string>
#include <string_view>

namespace amb {

// Control keys and bag names compare without regard to case (beyond ASCII, on Windows only).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// The key as the case-blind collections store it: equal keys fold to the same text.
std::string FoldKey(std::string_view key);

}  // namespace amb
