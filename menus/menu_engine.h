#pragma once
// modMenus: the owner-drawn menu engine attached to a window. SetMenus gives the window an item
// store and puts MenuWndProc in front of its window procedure; from then on the menu messages of
// the window (and of its MDI client) reach the store that serves the menu open now: popups are
// converted when they open, measured and painted by the engine, and put back after the loop.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "controls.h"
#include "menu_tips.h"

namespace modMenus {

class cMenuItems;

// mode (its absolute value): 0 the window; 1 its first toolbar child; 2, 3 the window; 4, 5 the
// window, which shows its menus only as pop-ups. Attaching a window again only updates that
// flag (modes 0, 3, 4, 5). The image list and the events object must outlive nothing: the events
// object is shared, the image list belongs to the window and is read while the window lives.
void SetMenus(HWND hWnd, const rt::ImageList* ImageList, std::shared_ptr<cTips> Tips, int Mode);
// Detaches (done by the engine itself when the window is destroyed).
void UnsetMenus(HWND hWnd);
LRESULT CALLBACK MenuWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

// The store of an attached window; nullptr when it is not attached.
std::shared_ptr<cMenuItems> AttachedStore(HWND hWnd);
HWND FindToolbarWindow(HWND hParent);
// The WM_MENUCHAR answer for a letter typed in a popup of the menu open now.
LRESULT HandleMenuChar(int CharCode, HMENU hMenu);

}  // namespace modMenus
