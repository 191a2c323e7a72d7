#include "caption_text.h"

namespace modMenus {

std::string VisibleText(std::string_view caption) {
  std::string text(caption.substr(0, caption.find('\t')));
  const size_t open = text.find('{');
  if (open != std::string::npos) {
    const size_t close = text.find('}', open);
    text.erase(open, close == std::string::npos ? std::string::npos : close - open + 1);
  }
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace modMenus
