#include "engine_utilities.h"

#include <shellapi.h>

#include <set>

#include "path_parts.h"
#include "scoped_win.h"
#include "text_compare.h"

namespace modMenus {
namespace {

HICON g_associatedIcon = nullptr;

struct Enumeration {
  int filter;
  std::vector<std::string>* names;
  std::set<std::string> seen;
};

// The system reports a family once for each of its character sets; it is listed once.
int CALLBACK FontFamilyCallback(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM lParam) {
  auto* e = reinterpret_cast<Enumeration*>(lParam);
  const bool accepted = (e->filter == 1 && fontType < 2) || (e->filter == 4 && fontType == TRUETYPE_FONTTYPE) ||
                        (e->filter != 1 && e->filter != 4);
  std::string name = TrimNull(std::string_view(font->lfFaceName, LF_FACESIZE));
  if (accepted && e->seen.insert(name).second) e->names->push_back(std::move(name));
  return 1;
}

}  // namespace

std::vector<std::string> GetFontFamilies(HWND window, int FontTypeFilter) {
  std::vector<std::string> names(1);
  rt::WindowDc dc(window);
  Enumeration e{FontTypeFilter, &names, {}};
  EnumFontFamiliesA(dc.get(), nullptr, &FontFamilyCallback, reinterpret_cast<LPARAM>(&e));
  if (names.size() > 1) SortTexts(names, rt::CompareText);
  return names;
}

HICON GetAssociatedIcon(const std::string& Path) {
  if (!g_associatedIcon) {
    char path[MAX_PATH] = {};
    lstrcpynA(path, Path.c_str(), MAX_PATH);
    WORD index = 0;
    g_associatedIcon = ExtractAssociatedIconA(GetModuleHandleA(nullptr), path, &index);
  }
  return g_associatedIcon;
}

void ReleaseAssociatedIcon() {
  if (g_associatedIcon) DestroyIcon(g_associatedIcon);
  g_associatedIcon = nullptr;
}

std::string TrimNull(std::string_view Text) { return std::string(Text.substr(0, Text.find('\0'))); }

}  // namespace modMenus
