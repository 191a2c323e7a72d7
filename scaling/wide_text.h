#pragma once
// The control keeps its texts in UTF-8; the interface speaks BSTR.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

#include "text_encoding.h"

namespace amb {

using rt::Utf8FromWide;
using rt::WideFromUtf8;
// A new BSTR holding text, or nullptr when out of memory.
BSTR AllocBstr(std::string_view text);
inline std::string Utf8FromBstr(BSTR text) { return Utf8FromWide(std::wstring_view(text ? text : L"", SysStringLen(text))); }

}  // namespace amb
