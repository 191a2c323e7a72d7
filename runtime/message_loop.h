#pragma once
// The program's message loops.

#include <windows.h>

namespace rt {

// Handles every message waiting in the queue, then returns. A WM_QUIT met here is posted again
// for the outermost loop.
void DoEvents();

// The outermost loop: runs until no form is loaded (or WM_QUIT arrives). Returns the exit code.
int RunMessageLoop();

// The wait of a loop that waits for a form: takes the next posted message into msg, or returns
// false once messages sent to the thread have been handled and none was posted. A form can end or
// hide inside a message sent from another thread or process (the shell's tray callback, a click
// sent to a button), which GetMessage handles without returning; so the loop looks again at what
// it waits for after every message, sent or posted.
bool NextPostedMessage(MSG& msg);

// Wakes whichever loop of the thread waits for its next message, so that it looks again at what it
// waits for: a form of another thread, or a loop that is not the runtime's own, which only a
// posted message wakes.
void WakeMessageLoop(HWND window);

}  // namespace rt
