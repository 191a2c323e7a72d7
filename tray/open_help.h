#pragma once
// The help file, as every help picture of the tray opens it.
#include <windows.h>

namespace tray {

// "Tarnwick.chm" in the program's folder, maximised, owned by the window; failures are not
// reported.
void OpenHelpFile(HWND owner);

}  // namespace tray
