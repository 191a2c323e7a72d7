#pragma once
// Colour values of the menu engine. A value of 0 or more is an RGB colour (red in the low byte);
// a negative one (0x80000000 + n) names system colour n. Captions name colours by number, by
// "&H" hexadecimal or by the names the host's language knows ("vbNavy", "vbMenuText").
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace modMenus {

// The platform's colour of system colour n (GetSysColor on Windows).
using SystemColorFn = std::function<uint32_t(int index)>;

uint32_t ResolveColor(int32_t color, const SystemColorFn& systemColor);

// The colour a caption value names; defaultColor when it names none.
uint32_t ColorFromName(std::string_view value, uint32_t defaultColor, const SystemColorFn& systemColor);

// count colours stepping from `from` towards `to`; the first is one step away from `from`, and
// each channel is kept within 0..255.
std::vector<uint32_t> MakeColorRamp(size_t count, uint32_t from, uint32_t to);

// Gradient bands: 2 pixels wide across a span wider than a fifth of the screen, else 1.
int GradientBandWidth(int screenPixels, int span);

}  // namespace modMenus
