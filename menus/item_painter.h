#pragma once
// The owner-draw answers for one menu item: its size (WM_MEASUREITEM) and its picture
// (WM_DRAWITEM), both from the item store's reading of the item's caption.
#include <windows.h>

namespace modMenus {

class cMenuItems;

// False when the message is not about a menu item (it goes on to the window's procedure).
bool MeasureMenuItem(const cMenuItems& store, MEASUREITEMSTRUCT& measure);
// keyboardSelect: the highlight was moved with the keyboard (disabled items then show it too).
bool DrawMenuItem(const cMenuItems& store, const DRAWITEMSTRUCT& draw, bool keyboardSelect);

}  // namespace modMenus
