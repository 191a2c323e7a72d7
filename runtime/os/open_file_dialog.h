#pragma once
// The common "Open" dialog, so that tests can answer it.
#include <windows.h>

#include <optional>
#include <string>

#include "seam.h"

namespace os {

struct OpenFileRequest {
  HWND owner = nullptr;
  DWORD flags = 0;          // OFN_*
  std::string title;
  std::string initialDir;
  std::string filter;       // "Text|pattern|Text|pattern", the form designers write
  std::string fileName;     // the dialog opens on it
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  // GetOpenFileNameA; the chosen file, or nothing when the user cancelled or the dialog failed.
  virtual std::optional<std::string> Choose(const OpenFileRequest& request) = 0;
};

inline OpenFileDialog& openFileDialog() { return Use<OpenFileDialog>(); }

// The filter as the dialog wants it: NUL between the parts, two NULs at the end.
std::string DialogFilter(const std::string& filter);

}  // namespace os
