#include "text_compare.h"

#include <windows.h>

#include "text_encoding.h"

namespace rt {
namespace {

// CompareStringA itself reads its text in the code page of the locale, not in the program's
// (UTF-8) one, and so would see "Ä" and "ä" as two letters each that differ. The same comparison
// is therefore made on the text as the program's A functions read it.
std::wstring Widen(const char* text, size_t length) { return WideText(std::string_view(text, length)); }

int Compare(const char* a, size_t aLength, const char* b, size_t bLength) {
  std::wstring wa = Widen(a, aLength), wb = Widen(b, bLength);
  int result = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                              wb.data(), static_cast<int>(wb.size()));
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
