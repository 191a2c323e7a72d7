#include "menu_fonts.h"

#include <array>
#include <cmath>

#include "rounding.h"
#include "scoped_win.h"
#include "screen.h"

namespace modMenus {
namespace {

std::string g_menuFontName;
double g_menuFontSize = 0;
std::array<rt::GdiObject<HFONT>, 8> g_slots;
// The slots live from the first attachment to the last detachment; in between they are made on
// first use. Outside, a selection makes its font for itself and frees it again.
bool g_slotsOpen = false;
std::string g_faceName;  // the face of slots 6 and 7
int g_osWidthAdjust = 0;

LOGFONTA SystemMenuFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    LOGFONTA fallback{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
    return fallback;
  }
  return metrics.lfMenuFont;
}

void ReadMenuFont() {
  if (!g_menuFontName.empty()) return;
  const LOGFONTA font = SystemMenuFont();
  g_menuFontName.assign(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
  if (g_menuFontSize == 0) g_menuFontSize = std::abs(font.lfHeight) * 0.72;
}

// The menu font as the slots start from: the system's, with the engine's face and size.
LOGFONTA BaseFont(double points) {
  LOGFONTA font = SystemMenuFont();
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, GetMenuFontName().c_str(), LF_FACESIZE);
  font.lfHeight = FontHeight(points);
  return font;
}

HFONT Make(LOGFONTA font, LONG weight = -1, bool italic = false) {
  if (weight >= 0) font.lfWeight = weight;
  font.lfItalic = italic ? TRUE : FALSE;
  return CreateFontIndirectA(&font);
}

double SmallFontSize() { return MenuFontSize() * 0.8 < 7.5 ? MenuFontSize() - 0.5 : MenuFontSize() * 0.8; }

// A new font as slot (1-7) holds it.
HFONT MakeSlotFont(int slot) {
  const LOGFONTA base = BaseFont(MenuFontSize());
  LOGFONTA face = base;
  lstrcpynA(face.lfFaceName, g_faceName.c_str(), LF_FACESIZE);
  switch (slot) {
    case 1: return Make(base);
    case 2: return Make(base, FW_EXTRABOLD);
    case 3: return Make(BaseFont(SmallFontSize()));
    case 4: return Make(base, -1, true);
    case 5: return Make(base, FW_EXTRABOLD, true);
    case 6: return Make(face, FW_NORMAL);
    case 7: return Make(face, FW_NORMAL, true);
    default: return nullptr;
  }
}

}  // namespace

std::string GetMenuFontName() {
  ReadMenuFont();
  return g_menuFontName;
}

double MenuFontSize() {
  ReadMenuFont();
  return g_menuFontSize;
}

int FontHeight(double points) {
  return -static_cast<int>(rt::RoundHalfEven(points * 20 / rt::Screen().TwipsPerPixelY()));
}

void SetMenuFonts(bool create, bool italic, const std::string& faceName) {
  if (!create) {
    for (auto& slot : g_slots) slot.reset();
    g_slotsOpen = false;
    return;
  }
  if (!italic && !faceName.empty()) g_faceName = faceName;
  if (!italic && faceName.empty()) g_slotsOpen = true;
  if (!g_slotsOpen) return;  // made by each selection until the engine is attached
  int first = 1, last = 3;
  if (italic) {
    if (g_slots[4]) return;
    first = 4, last = 5;
  } else if (!faceName.empty()) {
    first = 6, last = 7;
  }
  for (int slot = first; slot <= last; ++slot) g_slots[static_cast<size_t>(slot)].reset(MakeSlotFont(slot));
}

HFONT FontSlot(int slot) {
  if (slot < 1 || slot > 7 || !g_slotsOpen) return nullptr;
  if (slot <= 3 && !g_slots[1]) SetMenuFonts(true, false, "");
  if ((slot == 4 || slot == 5) && !g_slots[4]) SetMenuFonts(true, true, "");
  return g_slots[static_cast<size_t>(slot)].get();
}

SelectFontSlot::SelectFontSlot(int slot, HDC dc) : dc_(dc) {
  if (!dc_ || slot < 1 || slot > 7) return;
  HFONT font = FontSlot(slot);
  if (!font && !g_slotsOpen) {
    own_.reset(MakeSlotFont(slot));
    font = own_.get();
  }
  if (font) old_ = SelectObject(dc_, font);
}

SelectFontSlot::~SelectFontSlot() {
  if (old_) SelectObject(dc_, old_);
}

void CheckOSVersion() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return;
  const std::string text = std::to_string(version.dwPlatformId) + "." + std::to_string(version.dwMajorVersion) + "." +
                           std::to_string(version.dwMinorVersion);
  if (text == "1.4.10" || text == "1.4.90")
    g_osWidthAdjust = 35;
  else if (text == "2.5.0" || text == "2.4.0" || text == "2.5.1")
    g_osWidthAdjust = 0;
}

int GetWidthCorrection() { return g_osWidthAdjust; }

}  // namespace modMenus
