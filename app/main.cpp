// Tarnwick.exe: the runtime runs the start procedure, then the message loop.
#include <windows.h>

#include "program_start.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return StartTarnwick(instance); }
