#pragma once
// The help file: every help picture, the tray menu's "Program Help" and the first-run offer open it.
#include <windows.h>

#include <string_view>

namespace DozIzevodoz {

// "Tarnwick.chm" in the program's folder, maximised, owned by the window (none: no owner). The
// first-run offer asks for the shell's default action (an empty verb), every other road for "Open".
// A missing file or a shell failure is not reported.
void OpenHelpFile(HWND owner, std::string_view verb = "Open");

}  // namespace DozIzevodoz
