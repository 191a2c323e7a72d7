#pragma once
// The ReplaceFontsWith page: a sorted list of "<none>" and every installed font family.
#include <windows.h>

namespace amb::pages {

enum ReplaceFontsId : int { kFontList = 500 };

HRESULT CreateReplaceFontsWithPage(REFIID riid, void** ppv);

}  // namespace amb::pages
