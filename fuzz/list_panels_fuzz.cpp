// The generated panels' values as an item's caption gives them: colours, months, week days, states,
// days of a month, fonts and drives, with their "ID:" and the other sub-keys.
#include "fuzz_input.h"
#include "list_panels.h"

using namespace modMenus;

namespace {


int CompareBytes(std::string_view a, std::string_view b) { return a.compare(b); }

LocaleNames Names() {
  LocaleNames n;
  for (int i = 0; i < 12; ++i) n.months[i] = n.shortMonths[i] = "M" + std::to_string(i + 1);
  for (int i = 0; i < 7; ++i) n.days[i] = "D" + std::to_string(i + 1);
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 3);
  std::string value(f[0]);
  std::string id = TakePanelId(value);
  PanelSubKey(f[0], f[1]);
  static const LocaleNames names = Names();
  const CivilDate today{2026, 12, 10};
  ColorPanel(value, id, fuzz::FixedSystemColor);
  MonthPanel(value, id, today, names);
  WeekDayPanel(value, id, today, names);
  StatePanel(value, id);
  DaysOfMonthPanel(value, id, today, names);
  FontTypeFilter(value);
  FontPanel(value, id, {"", "Arial", "Courier New", "Times New Roman"}, CompareBytes);
  DrivePanel(value, id, {"", "A:\\|Removable", "C:\\|Local Disk", std::string(f[2]) + "|Network"});
  DriveLabel(f[2]);
  return 0;
}
