#include "caption_text.h"

#include <algorithm>
#include <cctype>

namespace modMenus {
namespace {
char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }
}  // namespace

size_t FindNoCase(std::string_view text, std::string_view what, size_t from) {
  if (what.empty() || from > text.size()) return kNotFound;
  auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(), what.end(),
                        [](char a, char b) { return Fold(a) == Fold(b); });
  return it == text.end() ? kNotFound : static_cast<size_t>(it - text.begin());
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && (a.empty() || FindNoCase(a, b) == 0);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

void EraseAllNoCase(std::string& text, std::string_view what) {
  for (size_t at = FindNoCase(text, what); at != kNotFound; at = FindNoCase(text, what, at))
    text.erase(at, what.size());
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  if (what.empty()) return;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

std::string Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

}  // namespace modMenus
