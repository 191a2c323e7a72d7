#pragma once
// The program's message loops.

#include <windows.h>

namespace rt {

// Handles every message waiting in the queue, then returns. A WM_QUIT met here is posted again
// for the outermost loop.
void DoEvents();

// The outermost loop: runs until no form is loaded (or WM_QUIT arrives). Returns the exit code.
int RunMessageLoop();

// Wakes whichever loop of the thread waits in GetMessage, so that it looks again at what it waits
// for. A form can end or hide inside a message sent from another thread or process (the shell's
// tray callback, a click sent to a button); such a message is handled inside GetMessage, which
// returns only for a posted message, so without this the loop would not see the change until the
// next input.
void WakeMessageLoop(HWND window);

}  // namespace rt
