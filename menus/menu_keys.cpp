#include "menu_keys.h"

#include "caption_text.h"

namespace modMenus {
namespace {

uint32_t MakeLong(int low, int high) {
  return (static_cast<uint32_t>(high) << 16) | (static_cast<uint32_t>(low) & 0xFFFFu);
}

constexpr int kExecute = 2;  // MNC_EXECUTE
constexpr int kSelect = 3;   // MNC_SELECT

}  // namespace

std::string GetAccelerator(std::string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] == '&') {
      ++i;  // "&&" shows an ampersand
      continue;
    }
    return std::string(Characters(text.substr(i + 1, 4)).front());
  }
  return {};
}

uint32_t MenuCharAnswer(const std::vector<std::string>& accelerators, std::string_view letter,
                        const SameLetterFn& sameLetter, const std::function<bool(int position)>& highlighted) {
  if (letter.empty()) return 0;
  std::vector<int> matches;
  for (size_t i = 0; i < accelerators.size(); ++i)
    if (!accelerators[i].empty() && sameLetter(accelerators[i], letter)) matches.push_back(static_cast<int>(i));
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

int ExecutedPosition(uint32_t answer) { return (answer >> 16) == kExecute ? static_cast<int>(answer & 0xFFFF) : -1; }

}  // namespace modMenus
