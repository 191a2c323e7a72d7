#pragma once
// What the system can do (suspend, hibernate, power off) and the shutdown privilege.
#include <windows.h>

#include <string>

namespace DozIzevodoz {

// Clears the support flags of the actions the system lacks (callers set them True first).
void EnableOptions();
// Enables the shutdown privilege of this process: 0, or the Win32 error (ERROR_NOT_ALL_ASSIGNED
// when the account does not hold the privilege).
DWORD AdjustToken();
// True when the library loads and exports the function.
bool APIExists(const std::string& library, const std::string& function);

}  // namespace DozIzevodoz
