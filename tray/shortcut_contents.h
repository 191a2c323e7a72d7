#pragma once
// What a desktop or Quick Launch shortcut of the program holds, from its kind and the program's
// place.
#include <string>
#include <string_view>

namespace tray {

// Shortcut kinds as the tray menu gives them (bit values).
inline constexpr int kShortcutShutdown = 0, kShortcutLogoff = 1, kShortcutReboot = 2, kShortcutPoweroff = 4,
                     kShortcutSuspend = 8, kShortcutHibernate = 16;

struct ShortcutContents {
  std::string fileName;     // "Reboot.lnk"
  std::string target;       // the program
  std::string arguments;    // "/R"
  std::string workingDir;   // the program's folder, ending in a backslash
  std::string description;  // "Reboot Windows"
  int showCommand = 1;      // SW_SHOWNORMAL
};

// The first bit of the kind that holds, in the order reboot, power off, log off, suspend,
// hibernate, chooses the action; a kind with none of them is a shut-down.
ShortcutContents ShortcutSpec(int kind, std::string_view progDir, std::string_view exeName = "Tarnwick.exe");

// The folder a destination ("Desktop" or "QuickLaunch") stands for, given the desktop folder and
// the per-user application-data folder; "" for any other destination, or when that folder is
// unknown ("").
bool IsShortcutDestination(std::string_view destination);
std::string ShortcutFolder(std::string_view destination, std::string_view desktop, std::string_view appData);

}  // namespace tray
