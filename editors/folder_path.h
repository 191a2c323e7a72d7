#pragma once
// The folder text FolderExists probes, decided before any call to the file system.
#include <optional>
#include <string>
#include <string_view>

namespace Folder {

// The trimmed path with a trailing backslash; nothing for an empty or blank path.
std::optional<std::string> ProbedFolder(std::string_view path);

}  // namespace Folder
