#include "power_capabilities.h"

#include "capability_probe.h"
#include "file_exists.h"
#include "scoped_win.h"
#include "shared_state.h"

namespace DozIzevodoz {
namespace {

using PowerQuery = BOOLEAN(WINAPI*)();

// Looks the query up and calls it while the library is still loaded: a pointer from a freed
// module must never be called. Linked at run time, so the program starts where powrprof is missing.
std::optional<bool> AskPowrprof(const char* function) {
  rt::UniqueModule library(LoadLibraryA("powrprof"));
  if (!library) return std::nullopt;
  auto query = reinterpret_cast<PowerQuery>(reinterpret_cast<void*>(GetProcAddress(library.get(), function)));
  if (!query) return std::nullopt;
  return (query() & 0xFF) != 0;  // a one-byte BOOLEAN: the rest of the register is undefined
}

}  // namespace

bool APIExists(const std::string& library, const std::string& function) {
  rt::UniqueModule module(LoadLibraryA(library.c_str()));
  if (!module) return false;
  return GetProcAddress(module.get(), function.c_str()) != nullptr;
}

void EnableOptions() {
  CapabilitySources system{
      [] { return APIExists("kernel32", "SetSystemPowerState"); },
      AskPowrprof,
      [](const std::string& path) { return FileExists(path); },
  };
  Capabilities caps{SuspendSupported, HibernateSupported, PowerOffSupported};
  ClearUnsupported(system, SystemDriveRoot, caps);
  SuspendSupported = caps.suspend;
  HibernateSupported = caps.hibernate;
  PowerOffSupported = caps.powerOff;
}

DWORD AdjustToken() {
  // Closing the token leaves the privilege enabled: it belongs to the process's primary token.
  rt::UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put())) return GetLastError();
  TOKEN_PRIVILEGES wanted = {};
  if (!LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &wanted.Privileges[0].Luid)) return GetLastError();
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  TOKEN_PRIVILEGES previous = {};
  DWORD previousLength = 0;
  if (!AdjustTokenPrivileges(token.get(), FALSE, &wanted, sizeof previous, &previous, &previousLength))
    return GetLastError();
  return GetLastError();  // ERROR_SUCCESS, or ERROR_NOT_ALL_ASSIGNED when the privilege is not held
}

}  // namespace DozIzevodoz
