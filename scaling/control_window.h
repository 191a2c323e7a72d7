#pragma once
// The child window of an in-place active control: it only shows the toolbox image.
#include <windows.h>

namespace amb {

HWND CreateControlWindow(HWND parent, const RECT& position);
// Called when no object of the DLL is left: a class whose window procedure lives in an unloaded
// DLL would crash the next process-wide use of its name.
void UnregisterControlWindowClass();

}  // namespace amb
