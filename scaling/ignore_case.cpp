#include "ignore_case.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace amb {
namespace {

bool IsAscii(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

#ifdef _WIN32
// Beyond ASCII the system's own case mapping, as the platform's keyed collection compares: control
// names may hold accented letters.
std::string FoldWide(std::string_view key) {
  const int length = static_cast<int>(key.size());
  std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, key.data(), length, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, key.data(), length, wide.data(), static_cast<int>(wide.size()));
  CharLowerBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  const int wideLength = static_cast<int>(wide.size());
  std::string folded(
      static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, folded.data(), static_cast<int>(folded.size()), nullptr,
                      nullptr);
  return folded;
}
#endif

}  // namespace

std::string FoldKey(std::string_view key) {
#ifdef _WIN32
  if (!IsAscii(key)) return FoldWide(key);
#endif
  std::string folded(key);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (!IsAscii(a) || !IsAscii(b)) return FoldKey(a) == FoldKey(b);
  auto fold = [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace amb
