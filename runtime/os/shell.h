#pragma once
// Opening documents, pages and programs through the shell.
#include <windows.h>

#include <string>
#include <utility>

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

// A document, page or program opened with the verb, without parameters or working folder.
inline INT_PTR OpenDocument(HWND owner, std::string verb, std::string file, int showCommand) {
  return shell().Execute({owner, std::move(verb), std::move(file), "", "", showCommand});
}

}  // namespace os
