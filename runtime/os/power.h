#pragma once
// The calls that end the session or put the machine to sleep.
#include <windows.h>

#include "seam.h"

namespace os {

class Power {
 public:
  virtual ~Power() = default;
  // ExitWindowsEx; false with the Win32 error in lastError when the call fails.
  virtual bool EndSession(UINT flags, DWORD reason, DWORD& lastError) = 0;
  // SetSystemPowerState; returns once the machine has resumed (or at once when refused).
  virtual bool SetSystemPowerState(bool suspend, bool force, DWORD& lastError) = 0;
};

inline Power& power() { return Use<Power>(); }

}  // namespace os
