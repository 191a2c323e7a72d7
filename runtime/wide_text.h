#pragma once
// The program's text (the active code page, UTF-8 by the manifest) as UTF-16, for the calls that
// would otherwise read it in another code page.
#include <string>
#include <string_view>

namespace rt {

std::wstring WideText(std::string_view text);

}  // namespace rt
