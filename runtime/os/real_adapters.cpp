// The adapters the product uses: straight calls to the operating system.
#include "message_box.h"
#include "notify_area.h"
#include "power.h"
#include "shell.h"

#include <shellapi.h>

namespace os {
namespace {

class RealPower final : public Power {
 public:
  bool EndSession(UINT flags, DWORD reason, DWORD& lastError) override {
    if (ExitWindowsEx(flags, reason)) return true;
    lastError = GetLastError();
    return false;
  }
  bool SetSystemPowerState(bool suspend, bool force, DWORD& lastError) override {
    if (::SetSystemPowerState(suspend ? TRUE : FALSE, force ? TRUE : FALSE)) return true;
    lastError = GetLastError();
    return false;
  }
};

class RealShell final : public Shell {
 public:
  INT_PTR Execute(const ShellExecuteRequest& r) override {
    auto orNull = [](const std::string& s) { return s.empty() ? nullptr : s.c_str(); };
    return reinterpret_cast<INT_PTR>(ShellExecuteA(r.owner, orNull(r.verb), r.file.c_str(),
                                                   r.parameters.c_str(), r.directory.c_str(),
                                                   r.showCommand));
  }
};

class RealMessageBoxes final : public MessageBoxes {
 public:
  int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) override {
    return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
  }
};

class RealNotifyArea final : public NotifyArea {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAA& data) override {
    return Shell_NotifyIconA(message, const_cast<NOTIFYICONDATAA*>(&data)) != FALSE;
  }
};

}  // namespace

template <>
NotifyArea& DefaultAdapter<NotifyArea>() {
  static RealNotifyArea adapter;
  return adapter;
}
template <>
Power& DefaultAdapter<Power>() {
  static RealPower adapter;
  return adapter;
}
template <>
Shell& DefaultAdapter<Shell>() {
  static RealShell adapter;
  return adapter;
}
template <>
MessageBoxes& DefaultAdapter<MessageBoxes>() {
  static RealMessageBoxes adapter;
  return adapter;
}

}  // namespace os
