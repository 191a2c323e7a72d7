#pragma once
// What every popup the engine generates for an item goes through: it takes the place of the
// one generated at the last opening, receives its items, and gets a delegate store of its own
// that converts, measures and decodes it.
#include <windows.h>

#include <string>
#include <vector>

#include "list_panels.h"

namespace modMenus {

class cMenuItems;

// A new empty popup for the item itemID at position of hMenu; the popup generated for it before
// loses its delegate and is destroyed, whether the item still holds it or not. A submenu the host
// put there is left to the host. nullptr when no popup could be made (the old one then stays).
HMENU ReplaceGeneratedPopup(cMenuItems& owner, UINT itemID, HMENU hMenu, int position);

// The popup generated for the item at its last opening goes (taken off the item first), when the
// item no longer asks for one.
void DropGeneratedPopup(cMenuItems& owner, UINT itemID, HMENU hMenu);

// Every item of menu that opens popup opens nothing any more.
void TakeOffItems(HMENU menu, HMENU popup);

// Headings, separators and the line of an empty list are appended disabled and greyed.
void AppendPanelItems(HMENU popup, const std::vector<PanelItem>& items);

// The delegate: a store that shares the owner's window, images and events, with the item's tip
// as the tip of every generated item.
void RegisterDelegate(cMenuItems& owner, HMENU popup, bool timeConsuming, const std::string& tip);

}  // namespace modMenus
