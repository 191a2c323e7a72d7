#include "ignore_case.h"

#include <algorithm>

namespace amb {

std::string FoldKey(std::string_view key) {
  std::string folded(key);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return folded;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  auto fold = [](char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + 32) : u;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return fold(x) == fold(y); });
}

}  // namespace amb
