#pragma once
// Small services around the operating system that the dialogs and the shortcut maker use.
#include <string>

#include "form.h"

namespace DozIzevodoz {

// The file-system path of a shell special folder (CSIDL), without a trailing backslash, or ""
// when it has none.
std::string GetSystemFolderPath(int csidl);

// The text of a failure's error code: the system's (without its line break), "Error <n>" when it
// has none, and a plain failure text of ours for 0, whose system text would read as success.
std::string SystemErrorText(unsigned long error);

// Removes Close, and the separator above it, from the form's window menu; that also disables the
// title bar's close button.
void RemoveCloseMenu(rt::Form& form);

}  // namespace DozIzevodoz
