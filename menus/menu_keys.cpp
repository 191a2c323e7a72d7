#include "menu_keys.h"

#include <cctype>
#include <vector>

namespace modMenus {
namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

uint32_t MakeLong(int low, int high) {
  return (static_cast<uint32_t>(high) << 16) | (static_cast<uint32_t>(low) & 0xFFFFu);
}

constexpr int kExecute = 2;  // MNC_EXECUTE
constexpr int kSelect = 3;   // MNC_SELECT

}  // namespace

char GetAccelerator(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // "&&" shows an ampersand
      continue;
    }
    return Upper(text[i + 1]);
  }
  return kNoAccelerator;
}

uint32_t MenuCharAnswer(std::string_view accelerators, char letter,
                        const std::function<bool(int position)>& highlighted) {
  // The placeholder of items without an accelerator is no letter of theirs.
  const char wanted = Upper(letter);
  if (wanted == kNoAccelerator) return 0;
  std::vector<int> matches;
  for (size_t i = 0; i < accelerators.size(); ++i)
    if (Upper(accelerators[i]) == wanted) matches.push_back(static_cast<int>(i));
  if (matches.empty()) return 0;
  if (matches.size() == 1) return MakeLong(matches[0], kExecute);
  size_t next = 0;
  for (size_t k = 0; k < matches.size(); ++k)
    if (highlighted(matches[k])) {
      next = k + 1 < matches.size() ? k + 1 : 0;
      break;
    }
  return MakeLong(matches[next], kSelect);
}

}  // namespace modMenus
