#pragma once
// The tray menu's shortcut commands.
#include <string_view>

namespace tray {

// Saves "<Action>.lnk" for a shortcut kind (shortcut_contents.h) on the desktop ("Desktop") or in the
// Quick Launch folder ("QuickLaunch"); it starts this program with the action's letter. The kind
// is the command's own: the pending action of a countdown is never touched. Any other destination
// is reported; failures from there on are silent, and a missing folder is not created.
void AddShortcut(int kind, std::string_view destination);

}  // namespace tray
