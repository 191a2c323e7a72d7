#pragma once
// The value under the current user's Run key that starts the program with Windows.
#include <string>

namespace tray {

inline constexpr char kRunValueName[] = "Moxbel Tarnwick";

// The command the Run value holds: this program's full path in quotes, so that a folder with
// blanks can never start another program ("C:\Program.exe").
std::string StartWithWindowsCommand();
void WriteRunValue();
void DeleteRunValue();

}  // namespace tray
