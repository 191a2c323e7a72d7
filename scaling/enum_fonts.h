#pragma once
// The installed font families, as the ReplaceFontsWith page offers them.
#include <windows.h>

namespace amb {

// Empties the list box and fills it with "<none>" and the name of every font family the system
// reports, each family once.
void FillFontList(HWND list);

// The family enumeration's callback: adds the family's name to the list box given as the user
// value unless the list holds it already, and always goes on.
int CALLBACK EnumFontFamProc(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD fontType, LPARAM list);

}  // namespace amb
