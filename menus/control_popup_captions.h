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

// A path as the value of "gEXE:" (a folder) or "LDrv:" (a drive's root text) carries it, its braces
// written as "<" and ">", which no path holds, so that they do not end the block; and the path a
// value carries.
std::string FolderValue(std::string_view folder);
std::string FolderOfValue(std::string_view value);

// The caption of entry index: its shown text and the block of prefix & suffix, then, for an entry
// with a TAB, the rest after it (the right-hand column). With ownBlock an entry's own block
// ("Big{Bold}") goes into the block after the control's keys; without (a file's name or path),
// every brace is the entry's text. The entry's text stays out of the block (the block goes first
// when the text holds "{") and the block's values (a folder with "&") stay as they are;
// ampersands of the text are shown, never access keys.
std::string ControlEntryCaption(std::string_view entry, std::string_view prefix, std::string_view suffix, int index,
                                bool ownBlock = true);

// An item's shown text with every "&" shown, not taken as an access key; and back ("&&" to "&").
std::string ShowAmpersands(std::string_view text);
std::string EntryTextOf(std::string_view displayText);

// The caption of the one line an empty control gives.
std::string EmptyControlCaption(std::string_view prefix);

// A file item's shown name: the name without folder and extension, in capitals when it has none.
std::string FileItemName(std::string_view fileName);

}  // namespace modMenus
