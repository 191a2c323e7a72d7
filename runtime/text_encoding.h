#pragma once
// The program's text (the active code page, UTF-8 by the manifest) as UTF-16, for the calls that
// would otherwise read it in another code page.
#include <string>
#include <string_view>

namespace rt {

std::wstring WideText(std::string_view text);

// Texts that travel through COM (BSTRs) are UTF-16; ours are UTF-8.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace rt
