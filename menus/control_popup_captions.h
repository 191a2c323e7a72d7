#pragma once
// The captions of a popup fed from a host's list or combo box: each entry's text with the block
// that leads a choice back to the control (its window, the entry's index, the list's kind) and,
// for a file list, the folder of the file.
#include <cstdint>
#include <string>
#include <string_view>

namespace modMenus {

// "gControl:<window>|LIndex:x[|gEXE:<folder>]|gType:<type>"; folder "" for none.
std::string ControlPopupPrefix(uintptr_t control, std::string_view folder, int controlType);

// The caption of entry index: text already carrying its own block gets the prefix inside that
// block; any other text is label & "{" & prefix & suffix & "}". Ampersands are doubled so they show.
std::string ControlEntryCaption(std::string_view text, std::string_view label, std::string_view prefix,
                                std::string_view suffix, int index);

// The caption of the one line an empty control gives.
std::string EmptyControlCaption(std::string_view prefix);

// A file item's shown name: the name without folder and extension, in capitals when it has none.
std::string FileItemName(std::string_view fileName);

}  // namespace modMenus
