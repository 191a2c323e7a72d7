#pragma once
// What the whole DLL shares: its module handle and the count of live objects and server locks
// that DllCanUnloadNow reports.
#include <windows.h>

#include <string>

namespace amb {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();
std::wstring ModulePath();  // the DLL's own file name, in full

void LockModule();
void UnlockModule();
bool ModuleInUse();

// Held by an object built on a base that does not count the module's objects.
class ModuleLock {
 public:
  ModuleLock() { LockModule(); }
  ~ModuleLock() { UnlockModule(); }
  ModuleLock(const ModuleLock&) = delete;
  ModuleLock& operator=(const ModuleLock&) = delete;
};

}  // namespace amb
