#pragma once
// FixWindow: the tracking limits a window answers to WM_GETMINMAXINFO while print sizing moves
// it, so a form can be made larger than the screen (up to 32767 pixels) and never smaller than
// the control's minimum size. The table is the thread's own; windows are subclassed through
// the runtime's one subclassing mechanism.
#include <windows.h>

#include <cstddef>

namespace amb {

struct TrackRecord {
  HWND hWnd = nullptr;
  LONG MinTrackX = 0, MinTrackY = 0, MaxTrackX = 0, MaxTrackY = 0;  // pixels
  WNDPROC OldWndProc = nullptr;
};

// Sizes in twips. A window hooked already keeps its one record and takes the new limits.
void HookWindow(HWND hwnd, LONG minWidth, LONG minHeight, LONG maxWidth, LONG maxHeight);
// Gives the window its previous procedure back and forgets its record; nothing without one.
void UnhookWindow(HWND hwnd);
LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// 32767 pixels in twips.
LONG LargestWidth();
LONG LargestHeight();
// The records of this thread, for a look from outside.
size_t HookedWindowCount();

}  // namespace amb
