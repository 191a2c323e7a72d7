#pragma once
// What the engine's generated list panels hold: colours, months, week days, states, the days of
// one month, font families and drives. Each builder turns the panel's value (the text after its
// key in the item's caption) into the captions, command ids and check marks of the panel's
// items; the caption of each item carries the payload that a choice reports back.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "caption_text.h"
#include "menu_colors.h"

namespace modMenus {

inline constexpr unsigned kFirstPanelId = 32500;  // item n of a panel: 32500 - n

struct PanelItem {
  std::string caption;
  unsigned id = 0;
  bool checked = false;
  bool disabled = false;  // headings and separators
};

struct PanelContent {
  std::vector<PanelItem> items;
  bool timeConsuming = false;  // its popup is announced with the hourglass
};

// The value of sub-key name ("ID:", "Group:") in a panel value such as "Red:ID:7": it stands at
// the start or right after a colon; its value runs to the next colon. "" when absent.
std::string PanelSubKey(std::string_view value, std::string_view name);
// Takes the "ID:" part out of the value and returns the id ("" when none).
std::string TakePanelId(std::string& value);

// The last year a date can have; a later "Year:" is taken as this one.
inline constexpr int kLastYear = 9999;

struct CivilDate {
  int year = 1899, month = 12, day = 30;
};
// Whole days since 30 December 1899 (months and days beyond their range carry over), and back.
int32_t DateSerial(int year, int month, int day);
CivilDate DateFromSerial(int32_t serial);
// 1 Sunday .. 7 Saturday.
int WeekDay(int32_t serial);
int DaysInMonth(int year, int month);

// Month and day names of the user's language.
struct LocaleNames {
  std::array<std::string, 12> months, shortMonths;  // January first
  std::array<std::string, 7> days;                  // Sunday first
};

struct PanelColor {
  const char* name;
  uint32_t value;  // 0x00BBGGRR
};
const std::array<PanelColor, 23>& PanelColors();
struct State {
  const char* name;
  const char* code;
};
const std::array<State, 51>& PanelStates();

PanelContent ColorPanel(std::string_view value, std::string_view id, const SystemColorFn& systemColor);
PanelContent MonthPanel(std::string_view value, std::string_view id, const CivilDate& today, const LocaleNames& names);
PanelContent WeekDayPanel(std::string_view value, std::string_view id, const CivilDate& today,
                          const LocaleNames& names);
PanelContent StatePanel(std::string_view value, std::string_view id);
PanelContent DaysOfMonthPanel(std::string_view value, std::string_view id, const CivilDate& today,
                              const LocaleNames& names);
// The family filter of GetFontFamilies that the fonts panel's "Type:" asks for.
int FontTypeFilter(std::string_view value);
// families: sorted, after one empty first entry (as GetFontFamilies gives them); compare: how
// family names and letters compare without regard to case.
PanelContent FontPanel(std::string_view value, std::string_view id, const std::vector<std::string>& families,
                       const CompareTextFn& compare);
// drives: "root|type text" entries after one empty first entry (as the drive list gives them).
PanelContent DrivePanel(std::string_view value, std::string_view id, const std::vector<std::string>& drives);

// The label a drive panel shows for a drive root text: "C:\" gives "[C]", a mapped drive's
// "X:\ share on 'server'" gives "[X] share on 'server'".
std::string DriveLabel(std::string_view root);

}  // namespace modMenus
