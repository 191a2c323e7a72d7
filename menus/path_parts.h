#pragma once
// Parts of a file path and the sorted text lists the menu panels show.
#include <string>
#include <string_view>
#include <vector>

#include "caption_text.h"

namespace modMenus {

// The part of path that the letter names: "D" drive ("C:\", "\\Server\"), "P" folder with its
// final backslash, "N" name, "E" extension, "m" name without extension. The letter is found in
// "DPNEm" without regard to case; an empty one means "D"; any other gives "".
std::string StripFile(std::string_view path, std::string_view part);

// Sorts in place without regard to case (a Shell sort with the gaps 1, 4, 13, 40 ...; items that
// compare equal keep their order within a pass).
void SortTexts(std::vector<std::string>& items, const CompareTextFn& compare);

}  // namespace modMenus
