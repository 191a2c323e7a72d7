#pragma once
// The program's own settings (text values under its key) and its hot-key values, as every part of
// the program reads and writes them: a value that is missing or cannot be read is "".
#include <string>

#include "vb_hot_key_names.h"

namespace DozIzevodoz {

std::string ReadSetting(const char* name);
// The store's status is not looked at: a setting that could not be written reads as before.
void WriteSetting(const char* name, const std::string& value);

// The hot-key values "0" to "11".
StoredHotKeys ReadStoredHotKeys();

}  // namespace DozIzevodoz
