#pragma once
// Small text rules of the power-action core that need no operating system.
#include <string>
#include <string_view>

namespace DozIzevodoz {

// The text up to, not including, its first NUL.
std::string TrimNull(std::string_view text);

// True when a group name, stripped of blanks at both ends, holds none of ? * " < > | / \ : and no
// control character (the group file separates its fields with TAB).
bool ValidFID(std::string_view text);

// The root of the drive that holds a folder: up to and including the first backslash at or after
// the third character ("C:\" for "C:\WINDOWS"); "C:\" when there is none.
std::string DriveRootOf(std::string_view folder);

// major "." minor, plus "." revision when the revision is above 0.
std::string MakeVersionText(int major, int minor, int revision);

}  // namespace DozIzevodoz
