#pragma once
// What both builds of Tarnwick.exe do at start: connect the layers, then hand over to the runtime.
#include <windows.h>

int StartTarnwick(HINSTANCE instance);
