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
    return;
  }
  const LOGFONTA base = BaseFont(MenuFontSize());
  if (italic) {
    if (g_slots[4]) return;
    g_slots[4].reset(Make(base, -1, true));
    g_slots[5].reset(Make(base, FW_EXTRABOLD, true));
  } else if (!faceName.empty()) {
    LOGFONTA face = base;
    lstrcpynA(face.lfFaceName, faceName.c_str(), LF_FACESIZE);
    g_slots[6].reset(Make(face, FW_NORMAL));
    g_slots[7].reset(Make(face, FW_NORMAL, true));
  } else {
    g_slots[1].reset(Make(base));
    g_slots[2].reset(Make(base, FW_EXTRABOLD));
    const double small = MenuFontSize() * 0.8 < 7.5 ? MenuFontSize() - 0.5 : MenuFontSize() * 0.8;
    g_slots[3].reset(Make(BaseFont(small)));
  }
}

HFONT FontSlot(int slot) {
  if (slot < 1 || slot > 7) return nullptr;
  if (slot <= 3 && !g_slots[1]) SetMenuFonts(true, false, "");
  if ((slot == 4 || slot == 5) && !g_slots[4]) SetMenuFonts(true, true, "");
  return g_slots[static_cast<size_t>(slot)].get();
}

SelectFontSlot::SelectFontSlot(int slot, HDC dc) : dc_(dc) {
  HFONT font = FontSlot(slot);
  if (dc_ && font) old_ = SelectObject(dc_, font);
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
