#include "text_compare.h"

#include <windows.h>

namespace rt {
namespace {

int Compare(const char* a, size_t aLength, const char* b, size_t bLength) {
  int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, static_cast<int>(aLength), b,
                              static_cast<int>(bLength));
  return result == 0 ? 2 : result;  // a failed call never counts as equal
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

int CompareText(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1);
  return Compare(a.data(), a.size(), b.data(), b.size()) - CSTR_EQUAL;
}

bool TextEquals(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

size_t FindText(std::string_view text, std::string_view needle, size_t from) {
  if (from > text.size()) return std::string::npos;
  if (needle.empty()) return from;
  for (size_t start = from; start + needle.size() <= text.size(); ++start) {
    if (IsContinuationByte(text[start])) continue;  // only whole characters start a match
    if (Compare(text.data() + start, needle.size(), needle.data(), needle.size()) == CSTR_EQUAL) return start;
  }
  return std::string::npos;
}

}  // namespace rt
