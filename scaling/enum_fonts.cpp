#include "enum_fonts.h"

namespace amb {

void FillFontList(HWND list) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"<none>"));
  HDC dc = GetDC(list);
  EnumFontFamiliesW(dc, nullptr, &EnumFontFamProc, reinterpret_cast<LPARAM>(list));
  ReleaseDC(list, dc);
}

// The system reports a family once for each of its character sets.
int CALLBACK EnumFontFamProc(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
  auto box = reinterpret_cast<HWND>(list);
  auto name = reinterpret_cast<LPARAM>(font->lfFaceName);
  if (SendMessageW(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), name) == LB_ERR)
    SendMessageW(box, LB_ADDSTRING, 0, name);
  return 1;
}

}  // namespace amb
