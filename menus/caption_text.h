#pragma once
// Text helpers the caption language and its readers share: searches that ignore case (captions
// are written by hand, "img:I2" and "IMG:I2" mean the same), blank trimming and numbers. Case is
// folded for ASCII only: the language's keys are ASCII words, and a key must mean the same in
// every locale. Texts of the user (access letters, font names) compare in the user's locale
// through the comparer their callers are given.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ascii_text.h"

namespace modMenus {

inline constexpr size_t kNotFound = std::string_view::npos;

size_t FindNoCase(std::string_view text, std::string_view what, size_t from = 0);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
void EraseAllNoCase(std::string& text, std::string_view what);
void ReplaceAll(std::string& text, std::string_view what, std::string_view with);
// Blanks only: tabs and other white space belong to the text.
using rt::TrimBlanks;

// How texts of the user compare without regard to case: negative, zero or positive. The engine
// gives the user's locale (rt::CompareText); CompareAsciiNoCase folds ASCII letters only.
using CompareTextFn = std::function<int(std::string_view, std::string_view)>;
int CompareAsciiNoCase(std::string_view a, std::string_view b);

// The characters of a UTF-8 text, each as its bytes (a stray byte counts as one character).
std::vector<std::string_view> Characters(std::string_view text);

// The ASCII capital (small letter) of c; any other byte as it is. The language's words and letters
// (keys, path letters, drive letters) are ASCII and read the same whatever the user's locale.
using rt::LowerAscii;
using rt::UpperAscii;

// A whole number written with digits only (base 10, or 16 for "&H" values); nothing for any other
// text, and for a number beyond 64 bits. Handles and indexes are written so in captions.
std::optional<uint64_t> ParseDigits(std::string_view text, int base = 10);
// The same for a handle's value, which must fit a pointer.
inline std::optional<uintptr_t> ParseHandleValue(std::string_view text, int base = 10) {
  const std::optional<uint64_t> value = ParseDigits(text, base);
  if (!value || *value > UINTPTR_MAX) return std::nullopt;
  return static_cast<uintptr_t>(*value);
}
// The whole number a text begins with (blanks and a sign before it allowed), held to 32 bits so that a
// caption's "4294967297" never wraps round to 1; 0 when the text begins with no number.
int32_t LeadingLong(std::string_view text);
inline bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace modMenus
