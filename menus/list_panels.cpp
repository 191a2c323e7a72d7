#include "list_panels.h"

#include <algorithm>

#include "caption_language.h"
#include "caption_text.h"
#include "control_popup_captions.h"

namespace modMenus {
namespace {

std::string Prefix(std::string_view id) { return "{gControl:0|lvID:" + std::string(id); }

// Items get 32500 - n in the order they are appended.
class PanelWriter {
 public:
  explicit PanelWriter(PanelContent& content) : content_(content) {}
  void Add(std::string caption, bool checked = false, bool disabled = false) {
    ++count_;
    content_.items.push_back(PanelItem{std::move(caption), kFirstPanelId - count_, checked, disabled});
  }
  // The first heading of a panel takes 32500 itself.
  void AddFirstHeading(std::string caption) {
    content_.items.push_back(PanelItem{std::move(caption), kFirstPanelId, false, true});
  }

 private:
  PanelContent& content_;
  unsigned count_ = 0;
};

// Font family names are shown with each word's first letter in capitals, the others small.
std::string ProperCase(std::string_view name) {
  std::string text(name);
  bool wordStart = true;
  for (char& c : text) {
    c = wordStart ? UpperAscii(c) : LowerAscii(c);
    wordStart = c == ' ';
  }
  return text;
}

// The drive letters a panel value or a drive root names, in capitals: "C" for "c", "C:", "C:\",
// "C:\Dir" and "[C]".
std::string DriveLetters(std::string_view text) {
  if (!text.empty() && text.front() == '[') {
    const size_t close = text.find(']');
    text = close == std::string_view::npos ? std::string_view() : text.substr(1, close - 1);
  } else {
    text = text.substr(0, text.find(':'));
  }
  std::string letters(text);
  for (char& c : letters) c = UpperAscii(c);
  return letters;
}

constexpr std::array<PanelColor, 23> kColors{{
    {"Black", 0},           {"Blue", 16711680},          {"Brown", 17510},
    {"Cyan / Aqua", 16776960}, {"Gold", 43724},          {"Gray", 8421504},
    {"Green / Lime", 65280}, {"Green Dark / Olive", 32896}, {"Ivory", 15794175},
    {"Magenta / Fuchsia", 16711935}, {"Maroon", 128},    {"Navy", 8388608},
    {"Orange", 42495},      {"Peach", 12180223},         {"Purple", 8388736},
    {"Red", 255},           {"Silver / Light Gray", 12632256}, {"Tan", 9221330},
    {"Teal", 8421376},      {"Turquoise", 13749760},     {"Violet", 9445584},
    {"White", 16777215},    {"Yellow", 65535},
}};

constexpr std::array<State, 51> kStates{{
    {"Alabama", "AL"},        {"Alaska", "AK"},         {"Arizona", "AZ"},        {"Arkansas", "AR"},
    {"California", "CA"},     {"Colorado", "CO"},       {"Connecticut", "CT"},    {"Delaware", "DE"},
    {"District of Columbia", "DC"}, {"Florida", "FL"},  {"Georgia", "GA"},        {"Hawaii", "HI"},
    {"Idaho", "ID"},          {"Illinois", "IL"},       {"Indiana", "IN"},        {"Iowa", "IA"},
    {"Kansas", "KS"},         {"Kentucky", "KY"},       {"Louisiana", "LA"},      {"Maine", "ME"},
    {"Maryland", "MD"},       {"Massachusettes", "MA"}, {"Michigan", "MI"},       {"Minnesota", "MN"},
    {"Mississippi", "MS"},    {"Missouri", "MO"},       {"Montana", "MT"},        {"Nebraska", "NE"},
    {"Nevada", "NV"},         {"New Hampshire", "NH"},  {"New Jersey", "NJ"},     {"New Mexico", "NM"},
    {"New York", "NY"},       {"North Carolina", "NC"}, {"North Dakota", "ND"},   {"Ohio", "OH"},
    {"Oklahoma", "OK"},       {"Oregon", "OR"},         {"Pennsylvania", "PA"},   {"Rhode Island", "RI"},
    {"South Carolina", "SC"}, {"South Dakota", "SD"},   {"Tennessee", "TN"},      {"Texas", "TX"},
    {"Utah", "UT"},           {"Vermont", "VT"},        {"Virginia", "VA"},       {"Washington", "WA"},
    {"West Virginia", "WV"},  {"Wisconsin", "WI"},      {"Wyoming", "WY"},
}};

}  // namespace

const std::array<PanelColor, 23>& PanelColors() { return kColors; }
const std::array<State, 51>& PanelStates() { return kStates; }

std::string PanelSubKey(std::string_view value, std::string_view name) {
  for (size_t at = FindNoCase(value, name); at != kNotFound; at = FindNoCase(value, name, at + 1)) {
    if (at != 0 && value[at - 1] != ':') continue;
    const size_t start = at + name.size();
    const size_t end = value.find(':', start);
    return std::string(value.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
  }
  return {};
}

std::string TakePanelId(std::string& value) {
  const std::string id = PanelSubKey(value, "ID:");
  if (!id.empty()) EraseAllNoCase(value, ":ID:" + id);
  return id;
}

int32_t DateSerial(int year, int month, int day) {
  // Whole months carry into the year first, as a date built from parts does. Worked out in 64
  // bits: any parts give a number, which is then kept within 32 bits.
  const int64_t months = int64_t{month} - 1;
  const int64_t carried = int64_t{year} + months / 12 - (months % 12 < 0 ? 1 : 0);
  const int64_t m = (months % 12 + 12) % 12 + 1;
  const int64_t y = carried - (m <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const int64_t serial = era * 146097 + doe - 719468 + 25569 + (int64_t{day} - 1);
  return static_cast<int32_t>(std::clamp<int64_t>(serial, INT32_MIN, INT32_MAX));
}

CivilDate DateFromSerial(int32_t serial) {
  const int32_t z = serial - 25569 + 719468;
  const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int32_t doe = z - era * 146097;
  const int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int32_t mp = (5 * doy + 2) / 153;
  CivilDate date;
  date.day = doy - (153 * mp + 2) / 5 + 1;
  date.month = mp < 10 ? mp + 3 : mp - 9;
  date.year = yoe + era * 400 + (date.month <= 2 ? 1 : 0);
  return date;
}

int WeekDay(int32_t serial) { return ((serial % 7) + 7 + 6) % 7 + 1; }

int DaysInMonth(int year, int month) { return DateSerial(year, month + 1, 1) - DateSerial(year, month, 1); }

PanelContent ColorPanel(std::string_view value, std::string_view id, const SystemColorFn& systemColor) {
  int32_t current = -1;
  if (!value.empty() && LeadingLong(value) != -1)
    current = static_cast<int32_t>(ColorFromName(value, 0xFFFFFFFFu, systemColor));
  PanelContent content;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  for (const PanelColor& color : kColors)
    panel.Add(std::string(color.name) + prefix + "|LColor:" + std::to_string(color.value) + "}",
              static_cast<int32_t>(color.value) == current);
  panel.Add("-{Raised}", false, true);
  panel.Add("Select a custom color" + prefix + "|LDefClr:" + std::to_string(current) + "|LColor:-1}");
  return content;
}

PanelContent MonthPanel(std::string_view value, std::string_view id, const CivilDate& today, const LocaleNames& names) {
  long current = LeadingLong(value);
  if (current == 0) current = today.month;
  const std::string group = PanelSubKey(value, "Group:");
  const bool calendar = EqualsNoCase(group, "CYQtr"), fiscal = EqualsNoCase(group, "FYQtr");
  static constexpr const char* kCalendar[] = {"Second", "Third", "Fourth"};
  static constexpr const char* kFiscal[] = {"2nd", "3rd", "4th"};
  PanelContent content;
  PanelWriter panel(content);
  if (calendar) panel.AddFirstHeading("-First Quarter{Raised}");
  if (fiscal) panel.AddFirstHeading("-1st Fiscal Quarter{Raised}");
  const std::string prefix = Prefix(id);
  for (int k = 1; k <= 12; ++k) {
    const int month = fiscal ? (k + 8) % 12 + 1 : k;
    if ((k == 4 || k == 7 || k == 10) && calendar)
      panel.Add(std::string("-") + kCalendar[k / 3 - 1] + " Quarter{Raised}", false, true);
    if ((k == 4 || k == 7 || k == 10) && fiscal)
      panel.Add(std::string("-") + kFiscal[k / 3 - 1] + " Fiscal Quarter{Raised}", false, true);
    panel.Add(names.months[static_cast<size_t>(month - 1)] + prefix + "|LMonth:" + std::to_string(month) + "}",
              month == current);
  }
  return content;
}

PanelContent WeekDayPanel(std::string_view value, std::string_view id, const CivilDate& today,
                          const LocaleNames& names) {
  long current = LeadingLong(value);
  if (current == 0) current = WeekDay(DateSerial(today.year, today.month, today.day));
  PanelContent content;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  for (int k = 1; k <= 7; ++k)
    panel.Add(names.days[static_cast<size_t>(k - 1)] + prefix + "|LDay:" + std::to_string(k) + "}", k == current);
  return content;
}

PanelContent StatePanel(std::string_view value, std::string_view id) {
  const std::string_view current = value.size() >= 2 ? value.substr(0, 2) : std::string_view();
  PanelContent content;
  content.timeConsuming = true;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  for (const State& state : kStates)
    panel.Add(std::string(state.name) + prefix + "|LState:" + state.code + "}",
              !current.empty() && EqualsNoCase(current, state.code));
  return content;
}

PanelContent DaysOfMonthPanel(std::string_view value, std::string_view id, const CivilDate& today,
                              const LocaleNames& names) {
  PanelContent content;
  long month = LeadingLong(value);
  if (month == 0) month = today.month;
  if (month < 1 || month > 12) return content;
  const std::string yearText = PanelSubKey(value, "Year:");
  long year = LeadingLong(yearText);
  if (yearText.empty() || year < 1) year = today.year;
  year = std::min(year, static_cast<long>(kLastYear));
  long current = LeadingLong(PanelSubKey(value, "Day:"));
  if (current == 0) current = today.day;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  const int days = DaysInMonth(static_cast<int>(year), static_cast<int>(month));
  for (int d = 1; d <= days; ++d) {
    const int32_t serial = DateSerial(static_cast<int>(year), static_cast<int>(month), d);
    const std::string label = names.shortMonths[static_cast<size_t>(month - 1)] + " " + std::to_string(d) + ", " +
                              names.days[static_cast<size_t>(WeekDay(serial) - 1)];
    panel.Add(label + prefix + "|LDate:" + std::to_string(serial) + "}", d == current);
  }
  return content;
}

int FontTypeFilter(std::string_view value) {
  const std::string type = PanelSubKey(value, "Type:");
  if (EqualsNoCase(type, "TrueType")) return 4;
  if (EqualsNoCase(type, "System")) return 1;
  return 0;
}

PanelContent FontPanel(std::string_view value, std::string_view id, const std::vector<std::string>& families,
                       const CompareTextFn& compare) {
  const std::string_view current = value.substr(0, value.find(':'));
  const std::string groupText = PanelSubKey(value, "Group:");
  const std::vector<std::string_view> group = Characters(groupText);
  const bool ranged = group.size() == 3;
  PanelContent content;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  int listed = 0;
  for (size_t i = 1; i < families.size(); ++i) {
    const std::string& family = families[i];
    if (family.empty()) continue;
    const std::string_view first = Characters(family).front();
    if (ranged && (compare(first, group.front()) < 0 || compare(first, group.back()) > 0)) continue;
    panel.Add(CaptionWithBlock(ProperCase(family), prefix + "|LFont:" + NameValue(family) + "}") + "\tSample",
              compare(family, current) == 0);
    ++listed;
  }
  if (listed == 0) {
    content.items.push_back(PanelItem{"-No Fonts Available{Raised}", kFirstPanelId, false, true});
  }
  content.timeConsuming = listed >= 20;
  return content;
}

std::string DriveLabel(std::string_view root) {
  size_t cut = root.find('\\');
  if (cut == std::string_view::npos) cut = root.find(':');
  cut = cut == std::string_view::npos ? root.size() : cut + 1;
  std::string head(root.substr(0, cut));
  if (head.empty() || head.back() != '\\') head += '\\';
  if (head.find(':') != std::string::npos) head = "[" + DriveLetters(head) + "]";
  return head + std::string(root.substr(cut));
}

PanelContent DrivePanel(std::string_view value, std::string_view id, const std::vector<std::string>& drives) {
  // The current drive by its letters, however the value writes it ("C:", "C:\", "[C]").
  const std::string current = DriveLetters(value);
  PanelContent content;
  PanelWriter panel(content);
  const std::string prefix = Prefix(id);
  for (size_t i = 1; i < drives.size(); ++i) {
    const std::string& entry = drives[i];
    const size_t bar = entry.find('|');
    const std::string root = entry.substr(0, bar);
    const std::string type = bar == std::string::npos ? std::string() : entry.substr(bar + 1);
    const std::string label = DriveLabel(root);
    // A share's name is data: its braces neither open the block in the label nor end it in "LDrv:".
    panel.Add(CaptionWithBlock(label, prefix + "|LDrv:" + FolderValue(root) + "|Tip:" + type + "}"),
              !current.empty() && DriveLetters(root) == current);
  }
  content.timeConsuming = drives.size() > 1;
  return content;
}

}  // namespace modMenus
