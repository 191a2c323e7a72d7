#pragma once
// Text rules that read the same whatever the user's locale: blank trimming and the case of ASCII
// letters (keys, action names, drive and command-line letters are ASCII words).
#include <string>
#include <string_view>

namespace rt {

// Blanks stripped at both ends: only blanks; tabs and other white space belong to the text.
std::string TrimBlanks(std::string_view text);

// The ASCII capital (small letter) of c; any other byte as it is.
char UpperAscii(char c);
char LowerAscii(char c);

}  // namespace rt
