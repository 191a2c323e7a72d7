#pragma once
// What a shell shortcut (.lnk) starts, read through the shell's link object.
#include <optional>
#include <string>

namespace editors {

struct ShortcutTarget {
  std::string path, arguments, workingDir;
  int showCommand = 1;  // SW_*
};

// Nothing when the file cannot be read as a shortcut or names no file.
std::optional<ShortcutTarget> ResolveShortcut(const std::string& linkFile);

}  // namespace editors
