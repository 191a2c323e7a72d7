#pragma once
// Text helpers the caption language and its readers share: searches that ignore case (captions
// are written by hand, "img:I2" and "IMG:I2" mean the same) and blank trimming.
#include <string>
#include <string_view>

namespace modMenus {

inline constexpr size_t kNotFound = std::string_view::npos;

size_t FindNoCase(std::string_view text, std::string_view what, size_t from = 0);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
void EraseAllNoCase(std::string& text, std::string_view what);
void ReplaceAll(std::string& text, std::string_view what, std::string_view with);
// Blanks only: tabs and other white space belong to the text.
std::string Trim(std::string_view text);

}  // namespace modMenus
