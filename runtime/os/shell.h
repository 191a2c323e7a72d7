#pragma once
// Opening documents, pages and programs through the shell.
#include <windows.h>

#include <string>

#include "seam.h"

namespace os {

struct ShellExecuteRequest {
  HWND owner = nullptr;
  std::string verb;  // empty = the default action
  std::string file;
  std::string parameters;
  std::string directory;
  int showCommand = SW_SHOWNORMAL;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA; the result is the shell's (above 32 = success).
  virtual INT_PTR Execute(const ShellExecuteRequest& request) = 0;
};

inline Shell& shell() { return Use<Shell>(); }

}  // namespace os
