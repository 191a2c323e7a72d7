#pragma once
// Whether a working folder can be used: it exists and can be opened and listed.
#include <string_view>

namespace Folder {

// False for an empty or blank path without asking the file system.
bool FolderExists(std::string_view path);

}  // namespace Folder
