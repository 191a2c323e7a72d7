#include "path_text.h"

namespace rt {

std::string JoinPath(std::string_view folder, std::string_view name) {
  auto isSlash = [](char c) { return c == '\\' || c == '/'; };
  while (!name.empty() && isSlash(name.front())) name.remove_prefix(1);
  std::string joined(folder);
  if (joined.empty()) return std::string(name);
  if (!isSlash(joined.back())) joined += '\\';
  joined += name;
  return joined;
}

}  // namespace rt
