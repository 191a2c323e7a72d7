#pragma once
#include <windows.h>

namespace Transparent {

// Makes the window see-through with alpha 0 (clear) to 255 (opaque). 1 when alpha is out of
// range; 0 otherwise, also on the Windows 9x family, which has no layered windows (nothing done).
long MakeTransparent(HWND hwnd, int alpha);

}  // namespace Transparent
