#pragma once
// What the system knows of the computer's connection, and dialling. Tests fake it for the roads
// a local server cannot produce (no connection at all, a modem); everything that travels over the
// network is tested for real against a server on this machine.
#include <windows.h>

#include "seam.h"

namespace os {

class InternetState {
 public:
  virtual ~InternetState() = default;
  // InternetGetConnectedState: the call's answer, with its flag word in flags.
  virtual bool ConnectedState(DWORD& flags) = 0;
  // InternetAutodial with no parent window.
  virtual bool Autodial(DWORD flags) = 0;
  // InternetAutodialHangup(0).
  virtual bool AutodialHangup() = 0;
};

inline InternetState& internetState() { return Use<InternetState>(); }

}  // namespace os
