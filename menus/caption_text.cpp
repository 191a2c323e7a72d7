#include "caption_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace modMenus {
namespace {
// The length of the UTF-8 character that starts with lead.
size_t CharacterLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

}  // namespace

int CompareAsciiNoCase(std::string_view a, std::string_view b) {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(LowerAscii(a[i]));
    const unsigned char y = static_cast<unsigned char>(LowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  for (size_t at = 0; at < text.size();) {
    const std::string_view one = text.substr(at, CharacterLength(static_cast<unsigned char>(text[at])));
    characters.push_back(one);
    at += one.size();
  }
  return characters;
}

std::optional<uint64_t> ParseDigits(std::string_view text, int base) {
  if (text.empty()) return std::nullopt;
  uint64_t value = 0;
  auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

int32_t LeadingLong(std::string_view text) {
  const std::string copy(text);
  return static_cast<int32_t>(std::clamp<long long>(std::strtoll(copy.c_str(), nullptr, 10), INT32_MIN, INT32_MAX));
}

size_t FindNoCase(std::string_view text, std::string_view what, size_t from) {
  if (what.empty() || from > text.size()) return kNotFound;
  auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(), what.end(),
                        [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
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

}  // namespace modMenus
