#pragma once
// Shell shortcut files (.lnk), saved through the shell's link object.
#include <windows.h>

#include <string>

#include "seam.h"

namespace os {

struct ShellShortcut {
  std::string file;  // where the .lnk goes
  std::string target, arguments, workingDir, description;
  int showCommand = SW_SHOWNORMAL;
};

class ShortcutWriter {
 public:
  virtual ~ShortcutWriter() = default;
  // Creates or replaces the file; the HRESULT of the first step that failed, or S_OK.
  virtual HRESULT Save(const ShellShortcut& shortcut) = 0;
};

inline ShortcutWriter& shortcutWriter() { return Use<ShortcutWriter>(); }

}  // namespace os
