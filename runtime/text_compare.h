#pragma once
// The one case-insensitive text comparison of the program (keys, descriptions, "contains" tests):
// the user's locale with NORM_IGNORECASE, as CompareStringA offers it, so letters beyond ASCII
// compare as the user expects.
#include <string>
#include <string_view>

namespace rt {

// Negative, zero or positive, as a sorts before, equal to or after b, letter case ignored.
int CompareText(std::string_view a, std::string_view b);
bool TextEquals(std::string_view a, std::string_view b);

// Byte position of the first occurrence of needle in text at or after from, case ignored;
// std::string::npos when there is none. An empty needle is found at from.
size_t FindText(std::string_view text, std::string_view needle, size_t from = 0);
inline bool ContainsText(std::string_view text, std::string_view needle) {
  return FindText(text, needle) != std::string::npos;
}

}  // namespace rt
