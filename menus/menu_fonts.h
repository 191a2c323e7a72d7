#pragma once
// The engine's menu fonts, made from the system's menu font and shared by every attached window:
// slot 1 the menu font, 2 bold, 3 small (separator captions), 4 and 5 italic and bold italic,
// 6 and 7 a given face (font-list items) upright and italic.
#include <windows.h>

#include <string>

#include "scoped_win.h"

namespace modMenus {

// The face of the system's menu font, read once; MenuFontSize() its size in points.
std::string GetMenuFontName();
double MenuFontSize();

// A font height in pixels for a size in points on this display (negative: character height).
int FontHeight(double points);

// create false releases every slot (the engine's last detachment); italic makes slots 4 and 5
// (once); a face makes 6 and 7 anew; otherwise slots 1 to 3 are made (the first attachment).
// While no window is attached no slot is kept.
void SetMenuFonts(bool create, bool italic, const std::string& faceName);

// Slot 1-7's font while a window is attached (slots 1-5 are made on first use); nullptr for other
// slots and while none is.
HFONT FontSlot(int slot);

// Selects a slot's font into a device context for the life of the object; while no window is
// attached, a font of its own that goes with it.
class SelectFontSlot {
 public:
  SelectFontSlot(int slot, HDC dc);
  ~SelectFontSlot();
  SelectFontSlot(const SelectFontSlot&) = delete;
  SelectFontSlot& operator=(const SelectFontSlot&) = delete;

 private:
  HDC dc_;
  rt::GdiObject<HFONT> own_;
  HGDIOBJ old_ = nullptr;
};

// Extra width the old 9x systems gave owner-drawn columns (35 there, 0 elsewhere), set once by
// CheckOSVersion.
void CheckOSVersion();
int GetWidthCorrection();

}  // namespace modMenus
