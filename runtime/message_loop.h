#pragma once
// The program's message loops.

namespace rt {

// Handles every message waiting in the queue, then returns. A WM_QUIT met here is posted again
// for the outermost loop.
void DoEvents();

// The outermost loop: runs until no form is loaded (or WM_QUIT arrives). Returns the exit code.
int RunMessageLoop();

}  // namespace rt
