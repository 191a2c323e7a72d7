#pragma once
// What the whole DLL shares: its module handle. The count of live objects and server locks that
// DllCanUnloadNow reports is the COM base's (rt::ole::ModuleInUse).
#include <windows.h>

#include <string>

namespace amb {

void SetModuleInstance(HINSTANCE instance);
HINSTANCE ModuleInstance();
std::wstring ModulePath();  // the DLL's own file name, in full
// The runtime's App object as this library's (its version block, the title "Ambrelo"): filled
// once, on the first call, so that no thread of the host reads it while another writes it.
void InitLibraryApp();

}  // namespace amb
