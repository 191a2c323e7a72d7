#include "folder_path.h"

#include "ascii_text.h"

namespace Folder {

std::optional<std::string> ProbedFolder(std::string_view path) {
  std::string p = rt::TrimBlanks(path);
  if (p.empty()) return std::nullopt;
  if (p.back() != '\\') p += '\\';
  return p;
}

}  // namespace Folder
