#include "power_capabilities.h"

#include <windows.h>

#include "file_exists.h"
#include "scoped_win.h"
#include "shared_state.h"

namespace DozIzevodoz {
namespace {

using PowerQuery = BOOLEAN(WINAPI*)();

// Calls a powrprof query when it exists. nullopt-like: -1 missing, 0 refused, 1 allowed.
int AskPowrprof(const char* function) {
  rt::UniqueModule library(LoadLibraryA("powrprof"));
  if (!library) return -1;
  auto query = reinterpret_cast<PowerQuery>(reinterpret_cast<void*>(GetProcAddress(library.get(), function)));
  if (!query) return -1;
  return (query() & 0xFF) != 0 ? 1 : 0;
}

}  // namespace

bool APIExists(const std::string& library, const std::string& function) {
  rt::UniqueModule module(LoadLibraryA(library.c_str()));
  if (!module) return false;
  return GetProcAddress(module.get(), function.c_str()) != nullptr;
}

void EnableOptions() {
  if (!APIExists("kernel32", "SetSystemPowerState")) {
    SuspendSupported = false;
    HibernateSupported = false;
  }
  if (AskPowrprof("IsPwrShutdownAllowed") != 1) PowerOffSupported = false;
  if (AskPowrprof("IsPwrSuspendAllowed") != 1) SuspendSupported = false;
  int hibernate = AskPowrprof("IsPwrHibernateAllowed");
  if (hibernate == 0) HibernateSupported = false;
  if (hibernate == -1 && !FileExists(SystemDriveRoot + "hiberfil.sys")) HibernateSupported = false;
}

void AdjustToken() {
  // The token stays open for the life of the process: the privilege belongs to it.
  static HANDLE token = nullptr;
  if (!token && !OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
    token = nullptr;
    return;
  }
  TOKEN_PRIVILEGES wanted = {};
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privileges[0].Luid)) return;
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous = {};
  DWORD previousLength = 0;
  AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &previousLength);
}

}  // namespace DozIzevodoz
