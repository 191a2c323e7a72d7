#include "folder.h"

#include <windows.h>

#include "file_exists.h"
#include "folder_path.h"
#include "scoped_win.h"

namespace Folder {
namespace {

bool HasEntries(const std::string& folder) {
  WIN32_FIND_DATAA found;
  rt::UniqueFindHandle find(FindFirstFileA((folder + "*.*").c_str(), &found));
  return find.get() != INVALID_HANDLE_VALUE;
}

// An empty drive root lists nothing, not even "." and "..": opening it as a folder still works.
bool OpensAsFolder(const std::string& folder) {
  DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
  HANDLE opened = CreateFileA(folder.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  rt::UniqueHandle handle(opened);
  return true;
}

}  // namespace

bool FolderExists(std::string_view path) {
  std::optional<std::string> folder = ProbedFolder(path);
  if (!folder) return false;
  if (HasEntries(*folder)) return true;
  if (DozIzevodoz::FileExists(*folder + "nul")) return true;
  return OpensAsFolder(*folder);
}

}  // namespace Folder
