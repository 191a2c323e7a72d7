#include "keyed_store.h"

namespace amb {

std::string FoldKey(std::string_view key) {
  std::string folded(key);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return folded;
}

}  // namespace amb
