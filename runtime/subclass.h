#pragma once
// Window subclassing where every subclassed window keeps the procedure it had before, so one
// procedure can serve many windows (each hot-key window, each menu owner) without one window
// calling another's previous procedure.
#include <windows.h>

namespace rt {

// Makes proc the window procedure of hwnd and remembers the one it replaced for this window.
// Subclassing a window again with the same proc changes nothing (no procedure calls itself).
bool InstallSubclass(HWND hwnd, WNDPROC proc);

// What proc replaced on hwnd; nullptr when proc does not subclass hwnd.
WNDPROC PreviousWindowProc(HWND hwnd, WNDPROC proc);

// Passes a message on to what proc replaced on hwnd (DefWindowProcA when nothing is known).
// After WM_NCDESTROY the window is forgotten.
LRESULT CallPreviousWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Puts the previous procedure back when proc is still the window's procedure; false when another
// subclass sits on top (then proc stays in the chain and keeps passing messages on).
bool RemoveSubclass(HWND hwnd, WNDPROC proc);

// Forgets every subclass record of a window that is gone.
void ForgetSubclasses(HWND hwnd);

}  // namespace rt
