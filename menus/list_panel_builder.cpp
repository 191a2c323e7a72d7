// The list panels a caption asks for ("lvColors:", "lvMonths:" ...): their items from the panel's
// value, today's date, the user's month and day names, the installed fonts or the drives.
#include "list_panel_builder.h"

#include <string>

#include "engine_utilities.h"
#include "file_drive_info.h"
#include "generated_popups.h"
#include "list_panels.h"
#include "menu_drawing.h"
#include "menu_item_store.h"
#include "text_compare.h"

namespace modMenus {
namespace {

std::string LocaleText(LCTYPE type) {
  char text[128] = {};
  const int length = GetLocaleInfoA(GetUserDefaultLCID(), type, text, sizeof text);
  return length > 0 ? TrimNull(std::string_view(text, static_cast<size_t>(length))) : std::string();
}

LocaleNames UserLocaleNames() {
  LocaleNames names;
  for (int i = 0; i < 12; ++i) {
    names.months[static_cast<size_t>(i)] = LocaleText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(i));
    names.shortMonths[static_cast<size_t>(i)] = LocaleText(LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(i));
  }
  // The platform's week starts on Monday (LOCALE_SDAYNAME1); the panels' on Sunday.
  names.days[0] = LocaleText(LOCALE_SDAYNAME7);
  for (int i = 1; i < 7; ++i) names.days[static_cast<size_t>(i)] = LocaleText(LOCALE_SDAYNAME1 + static_cast<LCTYPE>(i - 1));
  return names;
}

CivilDate Today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return CivilDate{now.wYear, now.wMonth, now.wDay};
}

PanelContent PanelFor(std::string_view key, const std::string& value, const std::string& id, HWND form) {
  if (key == "lvColors:") return ColorPanel(value, id, SystemColor);
  if (key == "lvMonths:") return MonthPanel(value, id, Today(), UserLocaleNames());
  if (key == "lvDays:") return WeekDayPanel(value, id, Today(), UserLocaleNames());
  if (key == "lvStates:") return StatePanel(value, id);
  if (key == "lvMonth:") return DaysOfMonthPanel(value, id, Today(), UserLocaleNames());
  if (key == "lvFonts:") return FontPanel(value, id, GetFontFamilies(form, FontTypeFilter(value)), rt::CompareText);
  if (key == "lvDrives:") return DrivePanel(value, id, GetLogicalDriveList());
  return {};
}

}  // namespace

HMENU BuildListPanel(cMenuItems& store, UINT itemID, int position, HMENU hMenu, std::string_view key,
                     std::string_view value, std::string& tip) {
  HMENU popup = ReplaceGeneratedPopup(store, itemID, hMenu, position);
  if (!popup) return nullptr;
  std::string panelValue(value);
  const std::string id = TakePanelId(panelValue);
  const PanelContent content = PanelFor(key, panelValue, id, store.Form());
  AppendPanelItems(popup, content.items);
  RegisterDelegate(store, popup, content.timeConsuming, tip);
  return popup;
}

}  // namespace modMenus
