#pragma once
// A command chosen in a popup the engine generated.
#include <windows.h>

namespace modMenus {

class cMenuItems;

// The choice decoded and reported (a panel's to the events object, a list-fed entry to its
// control); false when the command is the host's.
bool DecodeMenuChoice(cMenuItems& store, UINT index, HMENU hMenu, LPARAM lParam);

}  // namespace modMenus
