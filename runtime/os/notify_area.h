#pragma once
// The notification area (tray) of the shell: icons added, changed and removed.
#include <windows.h>
#include <shellapi.h>

#include "seam.h"

namespace os {

class NotifyArea {
 public:
  virtual ~NotifyArea() = default;
  // Shell_NotifyIconA; true when the shell took the request.
  virtual bool Notify(DWORD message, const NOTIFYICONDATAA& data) = 0;
};

inline NotifyArea& notifyArea() { return Use<NotifyArea>(); }

}  // namespace os
