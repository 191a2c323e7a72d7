#include "file_exists.h"

#include <windows.h>

#include "scoped_win.h"

namespace DozIzevodoz {

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  WIN32_FIND_DATAA data;
  rt::UniqueFindHandle find(FindFirstFileA(path.c_str(), &data));
  return find && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace DozIzevodoz
