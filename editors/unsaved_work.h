#pragma once
#include <windows.h>

#include <string>

namespace editors {

// Asked before the program ends to make way for its updater, when editor (e.g. "task editor")
// holds work that is not saved: true when the user lets it go, false to keep the program running.
bool LetUnsavedWorkGo(const std::string& editor, HWND owner);

}  // namespace editors
