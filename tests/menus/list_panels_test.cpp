// The contents of the generated list panels, the choices their items report, and the texts of
// drive items and of popups fed from a host's list: all decided without the platform.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "caption_language.h"
#include "control_popup_captions.h"
#include "drive_texts.h"
#include "item_caption.h"
#include "list_panels.h"
#include "menu_keys.h"
#include "panel_choice.h"

namespace {

using namespace modMenus;

LocaleNames English() {
  return LocaleNames{{"January", "February", "March", "April", "May", "June", "July", "August", "September",
                      "October", "November", "December"},
                     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
                     {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}};
}

uint32_t NoSystemColor(int) { return 0; }

std::vector<std::string> Checked(const PanelContent& panel) {
  std::vector<std::string> checked;
  for (const PanelItem& item : panel.items)
    if (item.checked) checked.push_back(item.caption.substr(0, item.caption.find('{')));
  return checked;
}

TEST(PanelValues, SubKeysAndTheIdTakenOut) {
  EXPECT_EQ(PanelSubKey("Red:ID:7", "ID:"), "7");
  EXPECT_EQ(PanelSubKey("3:group:CYQtr:ID:x", "Group:"), "CYQtr");
  EXPECT_EQ(PanelSubKey("ID:5", "ID:"), "5");
  EXPECT_EQ(PanelSubKey("PAID:5", "ID:"), "");  // only at the start or after a colon
  std::string value = "Red:ID:7";
  EXPECT_EQ(TakePanelId(value), "7");
  EXPECT_EQ(value, "Red");
}

TEST(PanelDates, SerialsWeekDaysAndMonthLengths) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial(2000, 1, 1), 36526);
  EXPECT_EQ(DateSerial(2000, 13, 1), DateSerial(2001, 1, 1));
  EXPECT_EQ(DateSerial(2000, 3, 0), DateSerial(2000, 2, 29));
  const CivilDate back = DateFromSerial(36526);
  EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, 20000101);
  EXPECT_EQ(WeekDay(0), 7);                          // a Saturday
  EXPECT_EQ(WeekDay(DateSerial(2026, 12, 13)), 1);   // a Sunday
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 12), 31);
}

TEST(ColorPanel, TheCurrentColourIsCheckedAndTheCustomItemCarriesIt) {
  const PanelContent red = ColorPanel("255", "7", NoSystemColor);
  ASSERT_EQ(red.items.size(), 25u);
  EXPECT_EQ(red.items[0].caption, "Black{gControl:0|lvID:7|LColor:0}");
  EXPECT_EQ(red.items[0].id, 32499u);
  EXPECT_EQ(Checked(red), std::vector<std::string>{"Red"});
  EXPECT_EQ(red.items[23].caption, "-{Raised}");
  EXPECT_EQ(red.items[23].id, 32476u);
  EXPECT_TRUE(red.items[23].disabled);
  EXPECT_EQ(red.items[24].caption, "Select a custom color{gControl:0|lvID:7|LDefClr:255|LColor:-1}");
  EXPECT_EQ(red.items[24].id, 32475u);
  EXPECT_FALSE(red.timeConsuming);

  EXPECT_TRUE(Checked(ColorPanel("-1", "", NoSystemColor)).empty());
  EXPECT_EQ(ColorPanel("-1", "", NoSystemColor).items[24].caption,
            "Select a custom color{gControl:0|lvID:|LDefClr:-1|LColor:-1}");
  EXPECT_EQ(Checked(ColorPanel("0", "", NoSystemColor)), std::vector<std::string>{"Black"});
  EXPECT_EQ(Checked(ColorPanel("&HFF0000", "", NoSystemColor)), std::vector<std::string>{"Blue"});
}

TEST(MonthPanel, FiscalQuartersStartInOctoberWithTheirHeadings) {
  const PanelContent panel = MonthPanel("0:Group:FYQtr", "", CivilDate{2026, 2, 10}, English());
  std::vector<std::string> labels;
  for (const PanelItem& item : panel.items) labels.push_back(item.caption.substr(0, item.caption.find('{')));
  EXPECT_EQ(labels, (std::vector<std::string>{"-1st Fiscal Quarter", "October", "November", "December",
                                               "-2nd Fiscal Quarter", "January", "February", "March",
                                               "-3rd Fiscal Quarter", "April", "May", "June", "-4th Fiscal Quarter",
                                               "July", "August", "September"}));
  for (size_t i = 0; i < panel.items.size(); ++i) EXPECT_EQ(panel.items[i].id, 32500u - i) << i;
  EXPECT_EQ(Checked(panel), std::vector<std::string>{"February"});
  EXPECT_TRUE(panel.items[4].disabled);
  EXPECT_EQ(panel.items[1].caption, "October{gControl:0|lvID:|LMonth:10}");

  const PanelContent calendar = MonthPanel("3:Group:CYQtr", "", CivilDate{2026, 2, 10}, English());
  EXPECT_EQ(calendar.items[0].caption, "-First Quarter{Raised}");
  EXPECT_EQ(calendar.items[4].caption, "-Second Quarter{Raised}");
  EXPECT_EQ(Checked(calendar), std::vector<std::string>{"March"});
  const PanelContent plain = MonthPanel("12", "", CivilDate{2026, 2, 10}, English());
  ASSERT_EQ(plain.items.size(), 12u);
  EXPECT_EQ(plain.items[0].id, 32499u);
}

TEST(WeekDayPanel, SundayFirstAndTheCurrentDayChecked) {
  const PanelContent panel = WeekDayPanel("3", "d", CivilDate{2026, 12, 10}, English());
  ASSERT_EQ(panel.items.size(), 7u);
  EXPECT_EQ(panel.items[0].caption, "Sunday{gControl:0|lvID:d|LDay:1}");
  EXPECT_EQ(panel.items[6].id, 32493u);
  EXPECT_EQ(Checked(panel), std::vector<std::string>{"Tuesday"});
  // 10 December 2026 is a Thursday.
  EXPECT_EQ(Checked(WeekDayPanel("0", "", CivilDate{2026, 12, 10}, English())), std::vector<std::string>{"Thursday"});
}

TEST(StatePanel, CodesAreMatchedOnTheFirstTwoLetters) {
  const PanelContent panel = StatePanel("tx", "");
  ASSERT_EQ(panel.items.size(), 51u);
  EXPECT_TRUE(panel.timeConsuming);
  EXPECT_EQ(Checked(panel), std::vector<std::string>{"Texas"});
  EXPECT_EQ(panel.items[8].caption, "District of Columbia{gControl:0|lvID:|LState:DC}");
  EXPECT_TRUE(Checked(StatePanel("Texas", "")).empty());
  EXPECT_EQ(Checked(StatePanel("WAshington", "")), std::vector<std::string>{"Washington"});
  EXPECT_TRUE(Checked(StatePanel("W", "")).empty());
}

TEST(DaysOfMonthPanel, TheMonthsDaysWithTheirDates) {
  const PanelContent leap = DaysOfMonthPanel("2:Year:2000:Day:29", "", CivilDate{2026, 12, 10}, English());
  ASSERT_EQ(leap.items.size(), 29u);
  EXPECT_EQ(leap.items[0].caption, "Feb 1, Tuesday{gControl:0|lvID:|LDate:" + std::to_string(DateSerial(2000, 2, 1)) + "}");
  EXPECT_EQ(leap.items[28].id, 32471u);
  EXPECT_EQ(Checked(leap), std::vector<std::string>{"Feb 29, Tuesday"});
  EXPECT_TRUE(DaysOfMonthPanel("13", "", CivilDate{2026, 12, 10}, English()).items.empty());
  // No month and no year: this month of this year, today checked.
  const PanelContent now = DaysOfMonthPanel("0", "", CivilDate{2026, 12, 10}, English());
  ASSERT_EQ(now.items.size(), 31u);
  EXPECT_EQ(Checked(now), std::vector<std::string>{"Dec 10, Thursday"});
  // A year beyond the calendar's last is its last: 31 December 9999 is serial 2958465.
  for (const char* value : {"12:Year:5880000", "12:Year:2147483647", "12:Year:99999999999999999999"}) {
    const PanelContent far = DaysOfMonthPanel(value, "", CivilDate{2026, 12, 10}, English());
    ASSERT_EQ(far.items.size(), 31u) << value;
    EXPECT_EQ(far.items[30].caption, "Dec 31, Friday{gControl:0|lvID:|LDate:2958465}") << value;
  }
}

TEST(DateSerial, AnyPartsGiveADateWithinRange) {
  EXPECT_EQ(DateSerial(1899, 12, 30), 0);
  EXPECT_EQ(DateSerial(2000, 13, 1), DateSerial(2001, 1, 1));  // months carry into the year
  EXPECT_EQ(DateSerial(2000, 0, 1), DateSerial(1999, 12, 1));
  EXPECT_EQ(DateSerial(2000, 3, 0), DateSerial(2000, 2, 29));
  EXPECT_EQ(DateSerial(9999, 12, 31), 2958465);
  EXPECT_EQ(DateSerial(INT32_MAX, INT32_MAX, INT32_MAX), INT32_MAX);
  EXPECT_EQ(DateSerial(INT32_MIN, INT32_MIN, INT32_MIN), INT32_MIN);
  EXPECT_EQ(DaysInMonth(9999, 12), 31);
}

TEST(FontPanel, TypeFilterLetterRangeAndTheEmptyList) {
  const std::vector<std::string> families{"", "Arial", "bookman old style", "Courier New", "Tahoma"};
  EXPECT_EQ(FontTypeFilter("Arial:Type:TrueType"), 4);
  EXPECT_EQ(FontTypeFilter("Arial:Type:System"), 1);
  EXPECT_EQ(FontTypeFilter("Arial"), 0);
  const PanelContent panel = FontPanel("arial:Type:TrueType:Group:A-C", "", families, CompareAsciiNoCase);
  ASSERT_EQ(panel.items.size(), 3u);
  EXPECT_EQ(panel.items[0].caption, "Arial{gControl:0|lvID:|LFont:%41rial}\tSample");
  EXPECT_EQ(panel.items[1].caption, "Bookman Old Style{gControl:0|lvID:|LFont:%62ookman old style}\tSample");
  EXPECT_EQ(Checked(panel), std::vector<std::string>{"Arial"});
  EXPECT_FALSE(panel.timeConsuming);

  const PanelContent none = FontPanel("Arial:Group:X-Z", "", families, CompareAsciiNoCase);
  ASSERT_EQ(none.items.size(), 1u);
  EXPECT_EQ(none.items[0].caption, "-No Fonts Available{Raised}");
  EXPECT_EQ(none.items[0].id, 32500u);
  std::vector<std::string> many{""};
  for (int i = 0; i < 20; ++i) many.push_back("Font " + std::to_string(i));
  EXPECT_TRUE(FontPanel("0", "", many, CompareAsciiNoCase).timeConsuming);
  // A family's name is text, braces and all.
  const PanelContent braced = FontPanel("0", "", {"", "a{b"}, CompareAsciiNoCase);
  EXPECT_EQ(ParseItemCaption(braced.items[0].caption, 0, 0, "").displayText, "A{b");
  EXPECT_EQ(ParseItemCaption(braced.items[0].caption, 0, 0, "").rightText, "Sample");
}

TEST(DrivePanel, LabelsFromRootsAndTheCurrentDrive) {
  EXPECT_EQ(DriveLabel("C:\\"), "[C]");
  EXPECT_EQ(DriveLabel("x:\\ share on 'server'"), "[X] share on 'server'");
  const PanelContent panel =
      DrivePanel("[D]", "", {"", "C:\\|Fixed Drive", "D:\\|CD Rom", "X:\\ share on 'server'|Network/Mapped Drive"});
  ASSERT_EQ(panel.items.size(), 3u);
  EXPECT_EQ(panel.items[0].caption, "[C]{gControl:0|lvID:|LDrv:C:\\|Tip:Fixed Drive}");
  EXPECT_EQ(panel.items[2].caption,
            "[X] share on 'server'{gControl:0|lvID:|LDrv:X:\\ share on 'server'|Tip:Network/Mapped Drive}");
  EXPECT_EQ(Checked(panel), std::vector<std::string>{"[D]"});
  EXPECT_TRUE(panel.timeConsuming);
  EXPECT_FALSE(DrivePanel("C:", "", {""}).timeConsuming);
  // However the value writes the drive, its letter ticks it.
  for (const char* value : {"C:", "C:\\", "c:\\Windows", "[C]", "c", "[c] label"}) {
    EXPECT_EQ(Checked(DrivePanel(value, "", {"", "C:\\|Fixed Drive", "CD:\\|Fixed Drive", "D:\\|CD Rom"})),
              std::vector<std::string>{"[C]"})
        << value;
  }
  for (const char* value : {"", "0", "[", "E:"})
    EXPECT_TRUE(Checked(DrivePanel(value, "", {"", "C:\\|Fixed Drive", "D:\\|CD Rom"})).empty()) << value;
  // A share's braces are its name's: the label shows them, the drive keeps its tip and its root.
  const ItemCaption share = ParseItemCaption(
      DrivePanel("", "", {"", "X:\\ {a}b on 'server'|Network/Mapped Drive"}).items[0].caption, 0, 0, "");
  EXPECT_EQ(share.displayText, "[X] {a}b on 'server'");
  EXPECT_EQ(share.tip, "Network/Mapped Drive");
  EXPECT_EQ(DecodePanelChoice(share.block)->value, ChoiceValue{std::string("X:\\")});
}

// What DrawText shows of an item's text: "&&" an ampersand, "&" before any other character
// nothing (that character is the access key), a last "&" nothing.
std::string Drawn(std::string_view text) {
  std::string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') shown += text[i];
    else if (i + 1 < text.size()) shown += text[++i];
  }
  return shown;
}

// Names from outside (a font's family, a share, a volume's label) are shown and reported as they
// are: an ampersand is no access key, and braces, bars and colons neither end the block nor read
// as keys of their own.
TEST(OutsideNames, AmpersandsAndBracesAreText) {
  for (const std::string family : {"Tom & Jerry", "R&d", "End&", "A&&b", "A}b", "X{y}z", "X:bold|y", "50%7b",
                                    "Default Gothic", "Sidebar Sans", "Bold Sans", "Raised", "%", "A"}) {
    const std::string caption = FontPanel("0", "", {"", family}, CompareAsciiNoCase).items.at(0).caption;
    const ItemCaption item = ParseItemCaption(caption, 0, 0, "");
    EXPECT_EQ(Drawn(item.displayText), family) << caption;
    EXPECT_EQ(GetAccelerator(item.displayText), "") << caption;
    EXPECT_EQ(item.rightText, "Sample") << caption;
    // No word of the name reads as a flag: a plain font item, first in its panel yet no side bar.
    EXPECT_FALSE(item.sideBar) << caption;
    EXPECT_FALSE(item.separator) << caption;
    EXPECT_EQ(item.flags, kFontItem) << caption;
    for (const char* flag : {"Bold", "Default", "Sidebar", "Raised"})
      EXPECT_EQ(GetAttribute(item.block, flag), "") << caption << " " << flag;
    // The family the painter draws the sample in, and the one the choice reports.
    EXPECT_EQ(FontOfItem(caption), family) << caption;
    EXPECT_EQ(FontOfItem(item.block), family) << caption;
    const auto choice = DecodePanelChoice(item.block);
    ASSERT_TRUE(choice) << caption;
    EXPECT_EQ(choice->category, "Font");
    EXPECT_EQ(choice->value, ChoiceValue{family}) << caption;
  }
  for (const std::string share : {" Tom & Jerry on 'server'", " R&D on 'x'", " {a}b&"}) {
    const std::string caption = DrivePanel("", "", {"", "X:\\" + share + "|Network/Mapped Drive"}).items.at(0).caption;
    const ItemCaption item = ParseItemCaption(caption, 0, 0, "");
    EXPECT_EQ(Drawn(item.displayText), "[X]" + share) << caption;
    EXPECT_EQ(GetAccelerator(item.displayText), "") << caption;
  }
  EXPECT_EQ(Drawn(DriveItemText("[X] share on 'server'", "Network/Mapped Drive", "Tom & Jerry")),
            "[X] share on 'server'  (Tom & Jerry)");
  EXPECT_EQ(Drawn(DriveItemText("[C]", "Fixed Drive", "R&D")), "[C] R&D");
  EXPECT_EQ(GetAccelerator(DriveItemText("[C]", "Fixed Drive", "R&D")), "");
}

TEST(PanelChoice, EachPayloadReportsItsCategoryAndValue) {
  struct Case {
    const char* caption;
    const char* category;
    ChoiceValue value;
  };
  const Case cases[] = {
      {"Red{gControl:0|lvID:7|LColor:255}", "Color", int32_t{255}},
      {"May{gControl:0|lvID:7|LMonth:5}", "Month", int32_t{5}},
      {"Texas{gControl:0|lvID:7|LState:TX}", "State", std::string("TX")},
      {"Sunday{gControl:0|lvID:7|LDay:1}", "WeekDay", int32_t{1}},
      {"Feb 1{gControl:0|lvID:7|LDate:36557}", "DayOfMonth", ChoiceDate{36557}},
      // Beyond 32 bits a number is held at the end of the range, never wrapped round to 1.
      {"Far{gControl:0|lvID:7|LDate:4294967297}", "DayOfMonth", ChoiceDate{INT32_MAX}},
      {"Far{gControl:0|lvID:7|LMonth:-99999999999999999999}", "Month", int32_t{INT32_MIN}},
      {"Arial{gControl:0|lvID:7|LFont:Arial}\tSample", "Font", std::string("Arial")},
      {"[X] a long label{gControl:0|lvID:7|LDrv:X:\\ share on 'server'|Tip:Network/Mapped Drive}", "Drive",
       std::string("X:\\")},
  };
  for (const Case& c : cases) {
    const std::string caption = c.caption;
    const std::string block = caption.substr(caption.find('{'), caption.find('}') - caption.find('{')) + "|";
    const auto choice = DecodePanelChoice(block);
    ASSERT_TRUE(choice) << c.caption;
    EXPECT_EQ(choice->userId, "7");
    EXPECT_EQ(choice->category, c.category);
    EXPECT_EQ(choice->value, c.value) << c.caption;
    EXPECT_FALSE(choice->customColor);
  }
  const auto custom = DecodePanelChoice("{gControl:0|lvID:|LDefClr:255|LColor:-1|");
  ASSERT_TRUE(custom);
  EXPECT_TRUE(custom->customColor);
  EXPECT_EQ(custom->defaultColor, 255);
  EXPECT_EQ(custom->userId, "0");  // a panel without an id
  EXPECT_FALSE(DecodePanelChoice("{gControl:123|LIndex:2|gType:1|"));
  EXPECT_FALSE(DecodePanelChoice(""));
}

TEST(DriveTexts, TypesSharesAndListEntries) {
  EXPECT_EQ(DriveTypeText(1), "Drive does not exist");
  EXPECT_EQ(DriveTypeText(2), "Removable Media");
  EXPECT_EQ(DriveTypeText(3), "Fixed Drive");
  EXPECT_EQ(DriveTypeText(5), "CD Rom");
  EXPECT_EQ(DriveTypeText(0), "Unknown Drive Type");
  EXPECT_EQ(DriveTypeText(9), "Unknown Drive Type");
  EXPECT_EQ(NetworkConnectionText("\\\\server\\share"), " share on 'server'");
  EXPECT_EQ(NetworkConnectionText(""), "");
  EXPECT_EQ(DriveListEntry("A:\\", 2, ""), "A:\\|Removable Media");
  EXPECT_EQ(DriveListEntry("X:\\", 4, " share on 'server'"), "X:\\ share on 'server'|Network/Mapped Drive");
  EXPECT_EQ(DriveListEntry("Y:\\", 4, "Unknown"), "Y:\\Unknown|Network/Mapped Drive");
}

TEST(ControlPopupCaptions, EntriesCarryTheControlAndTheirIndex) {
  const std::string prefix = ControlPopupPrefix(4660, "", 1);
  EXPECT_EQ(prefix, "gControl:4660|LIndex:x|gType:1");
  EXPECT_EQ(ControlPopupPrefix(4660, "C:\\Apps\\", 2), "gControl:4660|LIndex:x|gEXE:C:\\Apps\\|gType:2");
  EXPECT_EQ(EmptyControlCaption(prefix), "-No Selections Available{gControl:4660|LIndex:x|gType:1|Raised}");
  EXPECT_EQ(FileItemName("Notepad.exe"), "Notepad");
  EXPECT_EQ(FileItemName("regedit.exe"), "REGEDIT");
  EXPECT_EQ(FileItemName("readme"), "README");
}

TEST(ControlPopupCaptions, TheEntrysTextStaysOutOfTheBlockAndShowsAsWritten) {
  const std::string prefix = ControlPopupPrefix(4660, "", 1);
  const std::string folder = ControlPopupPrefix(4660, "C:\\Tom & Jerry\\LIndex:x\\", 1);
  struct Case {
    const char* entry;
    const std::string& prefix;
    const char* suffix;
    const char* caption;
    const char* shown;  // the item's text once read, as the menu shows it
  } cases[] = {
      {"R&D", prefix, "", "R&&D{gControl:4660|LIndex:3|gType:1}", "R&&D"},
      {"A & B", prefix, "", "A & B{gControl:4660|LIndex:3|gType:1}", "A && B"},  // doubled once, by the reading
      {"A && B&", prefix, "", "A &&& B&&{gControl:4660|LIndex:3|gType:1}", "A &&&& B&&"},
      // An entry with its own block keeps it, after the control's keys.
      {"Big{Bold}", prefix, "", "Big{gControl:4660|LIndex:3|gType:1|Bold}", "Big"},
      {"A & {Bold} B", prefix, "", "A &  B{gControl:4660|LIndex:3|gType:1|Bold}", "A &&  B"},
      // A TAB: the rest goes to the right-hand column, after the block.
      {"Name\tValue & more", prefix, "", "Name{gControl:4660|LIndex:3|gType:1}\tValue && more", "Name"},
      {"a.exe", prefix, "|gEXE:C:\\x\\", "a.exe{gControl:4660|LIndex:3|gType:1|gEXE:C:\\x\\}", "a.exe"},
      // A folder's "&" and its text stay as they are inside the block.
      {"LIndex:x", folder, "", "LIndex:x{gControl:4660|LIndex:3|gEXE:C:\\Tom & Jerry\\LIndex:x\\|gType:1}", "LIndex:x"},
      // A "{" that opens no block of the entry's own is its text: the block goes first.
      {"a{b", prefix, "", "{gControl:4660|LIndex:3|gType:1}a{b", "a{b"},
      {"{x} y{", prefix, "", "{gControl:4660|LIndex:3|gType:1|x}y{", "y{"},
      {"a}b", prefix, "", "a}b{gControl:4660|LIndex:3|gType:1}", "a}b"},
  };
  for (const Case& c : cases) {
    const std::string caption = ControlEntryCaption(c.entry, c.prefix, c.suffix, 3);
    EXPECT_EQ(caption, c.caption) << c.entry;
    const ItemCaption item = ParseItemCaption(caption, 0, 0, "");
    EXPECT_EQ(item.displayText, c.shown) << c.entry;
    EXPECT_EQ(GetAccelerator(item.displayText), "") << c.entry;  // never an access key
    EXPECT_EQ(GetAttribute(item.block, "LIndex:"), "3") << c.entry;
  }
  EXPECT_EQ(GetAttribute(SplitCaption(ControlEntryCaption("x", folder, "", 0)).block, "gEXE:"),
            "C:\\Tom & Jerry\\LIndex:x\\");
  EXPECT_EQ(EntryTextOf(ParseItemCaption(ControlEntryCaption("Tom & Jerry&Co.exe", prefix, "", 0), 0, 0, "").displayText),
            "Tom & Jerry&Co.exe");
  EXPECT_EQ(ShowAmpersands("R&D"), "R&&D");

  // A file's name or path is never a block, whatever braces it holds; a folder's braces survive
  // the block they are carried in.
  const std::string braced = "C:\\Data\\{A1B2}\\";
  EXPECT_EQ(ControlPopupPrefix(4660, braced, 1), "gControl:4660|LIndex:x|gEXE:C:\\Data\\<A1B2>\\|gType:1");
  const std::string caption = ControlEntryCaption("set{up}.exe", prefix, "|gEXE:" + FolderValue(braced), 0, false);
  const ItemCaption item = ParseItemCaption(caption, 0, 0, "");
  EXPECT_EQ(item.displayText, "set{up}.exe");
  EXPECT_EQ(FolderOfValue(GetAttribute(item.block, "gEXE:")), braced);
  EXPECT_EQ(GetAttribute(item.block, "gType:"), "1");
}

}  // namespace
