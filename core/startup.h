#pragma once
// The program's start procedure and its view of the command line.
#include <windows.h>
#undef GetCommandLine  // our procedure of that name, not the Win32 macro

#include <optional>
#include <string>

namespace DozIzevodoz {

// Prepares the shared state, reads the start-up settings and takes one road: an action letter,
// the options dialog, a message, the hot-key window or the tray form.
void Main();

// The last argument of the command text (at most maxArgs are collected), or nothing.
std::optional<std::string> GetCommandLine(int maxArgs = 10);

}  // namespace DozIzevodoz
