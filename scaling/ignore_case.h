#pragma once
#include <string_view>

namespace amb {

// Control keys and bag names compare without regard to (ASCII) case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace amb
