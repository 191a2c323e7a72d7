#pragma once
// The keyboard in an owner-drawn popup: each item's accelerator letter, and the answer to a
// letter typed while the popup is open (WM_MENUCHAR).
#include <cstdint>
#include <functional>
#include <string_view>

namespace modMenus {

// Stands for "no accelerator" in a popup's list of accelerator letters.
inline constexpr char kNoAccelerator = static_cast<char>(246);

// The character after the first "&" that is not part of "&&", in capitals; kNoAccelerator when none.
char GetAccelerator(std::string_view text);

// The WM_MENUCHAR answer for a typed letter, given one accelerator character per item position:
// 0 when no item has it; "execute" the item when exactly one has it; otherwise "select" the
// match after the highlighted one (the first when none is highlighted or the last one is).
uint32_t MenuCharAnswer(std::string_view accelerators, char letter, const std::function<bool(int position)>& highlighted);

}  // namespace modMenus
