#pragma once
// The keyboard in an owner-drawn popup: each item's access letter, and the answer to a letter
// typed while the popup is open (WM_MENUCHAR).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace modMenus {

// The character after the first "&" that is not part of "&&" (the whole character, as the text
// writes it); "" when there is none. An empty letter stands for "no access letter" in a popup's
// list, so no character the user can type ever picks an item that has none.
std::string GetAccelerator(std::string_view text);

// Whether two letters are the same without regard to case (the user's locale: rt::TextEquals).
using SameLetterFn = std::function<bool(std::string_view, std::string_view)>;

// The WM_MENUCHAR answer for a typed letter, given each item position's access letter: 0 when no
// item has it; "execute" the item when exactly one has it; otherwise "select" the match after the
// highlighted one (the first when none is highlighted or the last one is).
uint32_t MenuCharAnswer(const std::vector<std::string>& accelerators, std::string_view letter,
                        const SameLetterFn& sameLetter, const std::function<bool(int position)>& highlighted);

// The item a MenuCharAnswer tells the menu to execute; -1 when it does not execute one.
int ExecutedPosition(uint32_t answer);

}  // namespace modMenus
