#pragma once
// Message boxes, so that tests can read what the user would be asked and give the answer.
#include <windows.h>

#include <string>

#include "seam.h"

namespace os {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // MessageBoxA; returns the button chosen (IDOK, IDYES, ...).
  virtual int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) = 0;
};

inline MessageBoxes& messageBoxes() { return Use<MessageBoxes>(); }

}  // namespace os
