#pragma once
// Small services of the engine for its list panels: the installed font families and the one
// cached icon shown for removable drives; and TrimNull for texts from fixed buffers.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace modMenus {

// Font family names, each once, sorted without regard to case, after one empty first entry.
// filter 1: raster fonts only, 4: TrueType fonts only, any other: all.
std::vector<std::string> GetFontFamilies(HWND window, int FontTypeFilter);

// The icon associated with path, asked for once and then kept for every path until the engine's
// last window detaches.
HICON GetAssociatedIcon(const std::string& Path);
void ReleaseAssociatedIcon();

// The text before the first NUL.
std::string TrimNull(std::string_view Text);

}  // namespace modMenus
