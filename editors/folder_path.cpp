#include "folder_path.h"

#include "text_utils.h"

namespace Folder {

std::optional<std::string> ProbedFolder(std::string_view path) {
  std::string p = DozIzevodoz::TrimBlanks(path);
  if (p.empty()) return std::nullopt;
  if (p.back() != '\\') p += '\\';
  return p;
}

}  // namespace Folder
