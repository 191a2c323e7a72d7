// Generated popups on a form of our runtime with its own menu: captions that ask for list panels
// and for popups fed from the form's list and combo boxes. Popups are converted as the engine
// converts them when they open, a choice is sent as the menu's WM_COMMAND, and what the host
// receives (its events object, its controls, its own menu handler) is read back.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "../support/dib_canvas.h"
#include "../support/window_picture.h"
#include "caption_language.h"
#include "engine_utilities.h"
#include "file_drive_info.h"
#include "form.h"
#include "image_drawing.h"
#include "item_caption.h"
#include "item_painter.h"
#include "list_panels.h"
#include "menu_engine.h"
#include "menu_item_store.h"
#include "message_loop.h"
#include "os/scripted_color_dialog.h"

namespace {

using namespace modMenus;
using rt::ControlKind;

constexpr rt::ControlDesign kControls[] = {
    {.name = "lstPlain", .kind = ControlKind::ListBox, .left = 120, .top = 120, .width = 2400, .height = 900},
    {.name = "lstMulti", .kind = ControlKind::ListBox, .left = 2640, .top = 120, .width = 2400, .height = 900,
     .multiSelect = true},
    {.name = "lstEmpty", .kind = ControlKind::ListBox, .left = 120, .top = 1200, .width = 2400, .height = 900},
    {.name = "lstFiles", .kind = ControlKind::ListBox, .left = 2640, .top = 1200, .width = 2400, .height = 900},
    {.name = "lstArray", .index = 0, .kind = ControlKind::ListBox, .left = 120, .top = 2280, .width = 1200,
     .height = 600},
    {.name = "lstArray", .index = 1, .kind = ControlKind::ListBox, .left = 1440, .top = 2280, .width = 1200,
     .height = 600},
    {.name = "cboPick", .kind = ControlKind::ComboBox, .left = 2640, .top = 2280, .width = 2400, .height = 315},
    {.name = "imgPic", .kind = ControlKind::Image, .left = 120, .top = 3000, .width = 480, .height = 480},
};

// Positions in mnuPanels: the order of this table.
constexpr rt::MenuDesign kMenus[] = {
    {.name = "mnuPanels", .caption = "Panels"},
    {.name = "mnuColors", .parent = "mnuPanels", .caption = "Colours{lvColors:255:ID:7|Tip:Pick a colour}"},
    {.name = "mnuMonths", .parent = "mnuPanels", .caption = "Months{lvMonths:0:Group:FYQtr}"},
    {.name = "mnuDays", .parent = "mnuPanels", .caption = "Days{lvDays:3:ID:wd}"},
    {.name = "mnuStates", .parent = "mnuPanels", .caption = "States{lvStates:tx}"},
    {.name = "mnuDates", .parent = "mnuPanels", .caption = "Dates{lvMonth:2:Year:2000:Day:29}"},
    {.name = "mnuFonts", .parent = "mnuPanels", .caption = "Fonts"},
    {.name = "mnuDrives", .parent = "mnuPanels", .caption = "Drives{lvDrives:[C]}"},
    {.name = "mnuList", .parent = "mnuPanels", .caption = "List{LB:lstPlain|Tip:From the list}\tAlt+L"},
    {.name = "mnuMulti", .parent = "mnuPanels", .caption = "Multi{LB:lstMulti}"},
    {.name = "mnuEmpty", .parent = "mnuPanels", .caption = "Empty{LB:lstEmpty}"},
    {.name = "mnuArray", .parent = "mnuPanels", .caption = "Array{LB:lstArray(1)}"},
    {.name = "mnuCombo", .parent = "mnuPanels", .caption = "Combo{CB:cboPick|Files:C:\\windows}"},
    {.name = "mnuFiles", .parent = "mnuPanels", .caption = "Files{LB:lstFiles|Files:C:\\windows|Tip:A program}"},
    {.name = "mnuPicture", .parent = "mnuPanels", .caption = "Picture{IMG:imgPic}"},
    {.name = "mnuRaw", .parent = "mnuPanels", .caption = "Raw"},
    {.name = "mnuOwn", .parent = "mnuPanels", .caption = "Own"},
};

class PanelForm : public rt::Form {
 public:
  PanelForm() : rt::Form("frmPanels") {}
  std::vector<std::string> events;

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Panels";
    s.clientWidth = 5400;
    s.clientHeight = 3800;
    s.controls = kControls;
    s.menus = kMenus;
    return s;
  }
  void Form_Load() override {
    events.clear();
    auto& plain = Ctl<rt::ListBox>("lstPlain");
    for (const char* text : {"One", "R&D", "Big{Bold}"}) plain.AddItem(text);
    plain.SetListIndex(1);
    auto& multi = Ctl<rt::ListBox>("lstMulti");
    for (const char* text : {"A", "B", "C"}) multi.AddItem(text);
    multi.SetSelected(0, true);
    auto& files = Ctl<rt::ListBox>("lstFiles");
    for (const char* text : {"notepad.exe", "Missing.exe"}) files.AddItem(text);
    Ctl<rt::ListBox>("lstArray", 1).AddItem("Second array member");
    auto& combo = Ctl<rt::ComboBox>("cboPick");
    for (const char* text : {"Red", "Green"}) combo.AddItem(text);
    events.clear();
  }
  void Control_Click(rt::Control& sender) override { events.push_back(sender.Name() + "_Click"); }
  void Menu_Click(rt::MenuItem& item) override { events.push_back(item.Name() + "_Click"); }
};

PanelForm& frmPanels() {
  static PanelForm form;
  return form;
}

struct Selected {
  std::string userId, category;
  ChoiceValue value;
  bool operator==(const Selected&) const = default;
};

std::string TextAt(HMENU menu, int position) {
  char text[512] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

// GetMenuItemID answers -1 for an item that opens a popup: the id is read as it is.
UINT IdAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) ? info.wID : 0;
}

bool CheckedAt(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_CHECKED) != 0;
}

class GeneratedPopups : public ::testing::Test {
 protected:
  // One load and one attachment for the suite (the engine's conversions stay with its store);
  // the tests leave the captions and lists as they need them.
  void SetUp() override {
    rt::SetQuitting(false);
    if (!frmPanels().IsLoaded()) {
      frmPanels().Show();
      rt::DoEvents();
      tips_ = std::make_shared<cTips>();
      tips_->ItemSelected = [](const std::string& id, const std::string& category, const ChoiceValue& value) {
        if (category != "MenusClosed") selected_.push_back(Selected{id, category, value});
      };
      SetMenus(form(), nullptr, tips_, 0);
    }
    store_ = AttachedStore(form());
    frmPanels().events.clear();
    selected_.clear();
  }
  static void TearDownTestSuite() {
    UnsetMenus(form());
    frmPanels().Unload();
    rt::CollectUnloadedForms();
    tips_.reset();
  }
  static HWND form() { return frmPanels().hWnd(); }
  static HMENU Panels() { return frmPanels().Menu("mnuPanels").SubMenu(); }
  static int PositionOf(const char* name) {
    const UINT id = frmPanels().Menu(name).Id();
    for (int i = 0; i < GetMenuItemCount(Panels()); ++i)
      if (IdAt(Panels(), i) == id) return i;
    return -1;
  }
  // Opens the form's popup (which generates the item's popup) and returns the generated popup.
  HMENU Generated(const char* name) {
    SendMessageA(form(), WM_EXITMENULOOP, FALSE, 0);  // a new menu loop: the popup is prepared again
    SendMessageA(form(), WM_ENTERMENULOOP, FALSE, 0);
    Open(Panels());
    return GetSubMenu(Panels(), PositionOf(name));
  }
  void Open(HMENU menu) { SendMessageA(form(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0); }
  // The user's choice of the item at position: the menu reports the selection, then the command.
  void Choose(HMENU popup, int position) {
    const UINT id = GetMenuItemID(popup, position);
    SendMessageA(form(), WM_MENUSELECT, MAKEWPARAM(id, MF_OWNERDRAW), reinterpret_cast<LPARAM>(popup));
    SendMessageA(form(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  }
  MenuItemRecord Record(HMENU popup, int position) { return store_->GetMenuItem(GetMenuItemID(popup, position), popup); }

  static inline std::shared_ptr<cTips> tips_;
  static inline std::vector<Selected> selected_;
  std::shared_ptr<cMenuItems> store_;
};

TEST_F(GeneratedPopups, AColourChoiceIsReportedAndNeverReachesTheHostsMenu) {
  HMENU colors = Generated("mnuColors");
  ASSERT_TRUE(colors);
  ASSERT_EQ(GetMenuItemCount(colors), 25);
  EXPECT_EQ(TextAt(colors, 15), "Red{gControl:0|lvID:7|LColor:255}");
  EXPECT_TRUE(CheckedAt(colors, 15));
  EXPECT_FALSE(CheckedAt(colors, 0));
  Open(colors);  // converted by the popup's own store
  const MenuItemRecord red = Record(colors, 15);
  EXPECT_EQ(red.DisplayText, "Red");
  EXPECT_TRUE(red.ItemFlags & kColorItem);
  EXPECT_EQ(store_->Tips(red.ItemID, colors), "Pick a colour");
  EXPECT_TRUE(Record(colors, 23).ItemFlags & kSeparator);

  Choose(colors, 15);
  EXPECT_EQ(selected_, (std::vector<Selected>{{"7", "Color", int32_t{255}}}));
  EXPECT_TRUE(frmPanels().events.empty());
}

TEST_F(GeneratedPopups, TheCustomColourComesFromTheColourDialogUnlessItIsCancelled) {
  os::ScriptedColorDialog dialog;
  os::Install<os::ColorDialog> install(&dialog);
  HMENU colors = Generated("mnuColors");
  Open(colors);
  Choose(colors, 24);  // cancelled
  EXPECT_TRUE(selected_.empty());
  ASSERT_EQ(dialog.requests.size(), 1u);
  const os::ColorRequest& request = dialog.requests[0];
  EXPECT_EQ(request.owner, form());
  EXPECT_EQ(request.flags, static_cast<DWORD>(CC_RGBINIT | CC_FULLOPEN));
  EXPECT_EQ(request.initial, 255u);
  EXPECT_EQ(request.customColors[0], RGB(15, 15, 15));
  EXPECT_EQ(request.customColors[15], RGB(240, 240, 240));

  dialog.answer = RGB(1, 2, 3);
  Choose(colors, 24);
  EXPECT_EQ(selected_, (std::vector<Selected>{{"7", "Color", static_cast<int32_t>(RGB(1, 2, 3))}}));
}

TEST_F(GeneratedPopups, ThePanelsOfDatesStatesFontsAndDrivesReportTheirChoices) {
  const std::string font = GetFontFamilies(nullptr, 0).at(1);
  frmPanels().Menu("mnuFonts").SetCaption("Fonts{lvFonts:" + font + "}");
  struct Case {
    const char* menu;
    int count, checked, chosen;
    Selected expected;
  };
  const std::vector<Case> cases = {
      {"mnuMonths", 16, -1, 1, {"0", "Month", int32_t{10}}},  // October, after the first heading
      {"mnuDays", 7, 2, 2, {"wd", "WeekDay", int32_t{3}}},
      {"mnuStates", 51, 43, 43, {"0", "State", std::string("TX")}},
      {"mnuDates", 29, 28, 0, {"0", "DayOfMonth", ChoiceDate{DateSerial(2000, 2, 1)}}},
      {"mnuFonts", -1, 0, 0, {"0", "Font", font}},
  };
  for (const Case& c : cases) {
    selected_.clear();
    HMENU panel = Generated(c.menu);
    ASSERT_TRUE(panel) << c.menu;
    if (c.count >= 0) {
      EXPECT_EQ(GetMenuItemCount(panel), c.count) << c.menu;
    }
    if (c.checked >= 0) {
      EXPECT_TRUE(CheckedAt(panel, c.checked)) << c.menu;
    }
    Open(panel);
    Choose(panel, c.chosen);
    EXPECT_EQ(selected_, std::vector<Selected>{c.expected}) << c.menu;
  }
  // The month and day names are the user's, in the panels' order: the fiscal year from October,
  // with a heading before each quarter; the week from Sunday.
  auto localeText = [](LCTYPE type) {
    char text[80] = {};
    GetLocaleInfoA(GetUserDefaultLCID(), type, text, sizeof text);
    return std::string(text);
  };
  HMENU months = Generated("mnuMonths");
  Open(months);
  for (int quarter = 0; quarter < 4; ++quarter)
    for (int k = 0; k < 3; ++k) {
      const int month = (9 + quarter * 3 + k) % 12;  // from 0, October first
      EXPECT_EQ(Record(months, quarter * 4 + 1 + k).DisplayText,
                localeText(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month)))
          << month + 1;
    }
  HMENU days = Generated("mnuDays");
  Open(days);
  EXPECT_EQ(Record(days, 0).DisplayText, localeText(LOCALE_SDAYNAME7));  // Sunday
  for (int day = 1; day < 7; ++day)
    EXPECT_EQ(Record(days, day).DisplayText, localeText(LOCALE_SDAYNAME1 + static_cast<LCTYPE>(day - 1))) << day;

  HMENU fonts = Generated("mnuFonts");
  std::set<std::string> families;
  for (int i = 0; i < GetMenuItemCount(fonts); ++i) {
    std::string caption = TextAt(fonts, i);
    families.insert(CharLowerA(caption.data()));
  }
  EXPECT_EQ(families.size(), static_cast<size_t>(GetMenuItemCount(fonts))) << "a family listed twice";

  HMENU drives = Generated("mnuDrives");
  ASSERT_GT(GetMenuItemCount(drives), 0);
  int driveC = -1;
  for (int i = 0; i < GetMenuItemCount(drives); ++i)
    if (TextAt(drives, i).rfind("[C]{", 0) == 0) driveC = i;
  ASSERT_GE(driveC, 0);
  EXPECT_TRUE(CheckedAt(drives, driveC));
  Open(drives);
  EXPECT_EQ(Record(drives, driveC).ItemTip, "Fixed Drive");
  EXPECT_EQ(Record(drives, driveC).DisplayText.rfind("[C]", 0), 0u);
  selected_.clear();
  Choose(drives, driveC);
  EXPECT_EQ(selected_, (std::vector<Selected>{{"0", "Drive", std::string("C:\\")}}));
  EXPECT_TRUE(frmPanels().events.empty());
}

TEST_F(GeneratedPopups, APanelIsMadeAnewAtEveryOpeningAndTheOldOneGoes) {
  HMENU first = Generated("mnuColors");
  HMENU second = Generated("mnuColors");
  EXPECT_NE(first, second);
  EXPECT_FALSE(IsMenu(first));
  EXPECT_FALSE(store_->Delegate(first));
  // The host moves the check by rewriting the caption, which takes the popup off the item: the
  // popup made for it is still the one that goes.
  frmPanels().Menu("mnuColors").SetCaption("Colours{lvColors:vbBlue}");
  EXPECT_NE(GetSubMenu(Panels(), PositionOf("mnuColors")), second);
  HMENU third = Generated("mnuColors");
  EXPECT_FALSE(IsMenu(second));
  EXPECT_TRUE(IsMenu(third));
  EXPECT_TRUE(CheckedAt(third, 1));  // Blue
}

TEST_F(GeneratedPopups, AListBoxEntryChosenInTheMenuIsSelectedInTheListBox) {
  HMENU list = Generated("mnuList");
  ASSERT_TRUE(list);
  const std::string control = std::to_string(reinterpret_cast<uintptr_t>(frmPanels().Ctl<rt::ListBox>("lstPlain").hWnd()));
  ASSERT_EQ(GetMenuItemCount(list), 3);
  EXPECT_EQ(TextAt(list, 0), "One{gControl:" + control + "|LIndex:0|gType:1}");
  EXPECT_EQ(TextAt(list, 1), "R&&D{gControl:" + control + "|LIndex:1|gType:1}");
  EXPECT_EQ(TextAt(list, 2), "Big{gControl:" + control + "|LIndex:2|gType:1|Bold}");
  EXPECT_TRUE(CheckedAt(list, 1));
  EXPECT_EQ(store_->GetMenuItem(frmPanels().Menu("mnuList").Id(), Panels()).RightText, "");  // the arrow's place
  Open(list);
  EXPECT_EQ(store_->Tips(GetMenuItemID(list, 0), list), "From the list");

  Choose(list, 2);
  EXPECT_EQ(frmPanels().Ctl<rt::ListBox>("lstPlain").ListIndex(), 2);
  EXPECT_EQ(frmPanels().events, std::vector<std::string>{"lstPlain_Click"});
  EXPECT_TRUE(selected_.empty());
}

TEST_F(GeneratedPopups, AMultipleSelectionEntryIsToggledAndAComboBoxEntrySelected) {
  HMENU multi = Generated("mnuMulti");
  ASSERT_EQ(GetMenuItemCount(multi), 3);
  EXPECT_NE(TextAt(multi, 0).find("|gType:2}"), std::string::npos);
  EXPECT_TRUE(CheckedAt(multi, 0));
  Open(multi);
  Choose(multi, 0);
  Choose(multi, 2);
  auto& list = frmPanels().Ctl<rt::ListBox>("lstMulti");
  EXPECT_FALSE(list.Selected(0));
  EXPECT_TRUE(list.Selected(2));
  EXPECT_EQ(frmPanels().events, (std::vector<std::string>{"lstMulti_Click", "lstMulti_Click"}));

  frmPanels().events.clear();
  HMENU combo = Generated("mnuCombo");
  ASSERT_EQ(GetMenuItemCount(combo), 2);
  EXPECT_EQ(TextAt(combo, 1).find("gEXE:"), std::string::npos);  // no files in a combo box
  Open(combo);
  Choose(combo, 1);
  EXPECT_EQ(frmPanels().Ctl<rt::ComboBox>("cboPick").ListIndex(), 1);
  EXPECT_EQ(frmPanels().events, std::vector<std::string>{"cboPick_Click"});
}

// The host rewrites only the caption (the popup made for the item stays on it until it opens).
void RewriteCaption(const char* name, const std::string& caption) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(caption.c_str());
  ASSERT_TRUE(SetMenuItemInfoA(frmPanels().Menu("mnuPanels").SubMenu(), frmPanels().Menu(name).Id(), FALSE, &info));
}

TEST_F(GeneratedPopups, ACaptionRewrittenToAnotherListGivesThatListsPopupAndNoneWhenItNamesNone) {
  frmPanels().Menu("mnuRaw").SetCaption("Raw{LB:lstPlain}");
  HMENU plain = Generated("mnuRaw");
  ASSERT_TRUE(plain);
  EXPECT_EQ(TextAt(plain, 0).rfind("One{", 0), 0u);

  RewriteCaption("mnuRaw", "Raw{LB:lstMulti}");
  HMENU multi = Generated("mnuRaw");
  ASSERT_TRUE(multi);
  EXPECT_FALSE(IsMenu(plain));
  ASSERT_EQ(GetMenuItemCount(multi), 3);
  const std::string control =
      std::to_string(reinterpret_cast<uintptr_t>(frmPanels().Ctl<rt::ListBox>("lstMulti").hWnd()));
  EXPECT_EQ(TextAt(multi, 0), "A{gControl:" + control + "|LIndex:0|gType:2}");

  // A caption that names no control any more keeps no popup: the last one goes.
  RewriteCaption("mnuRaw", "Raw{LB:lstNowhere}");
  EXPECT_FALSE(Generated("mnuRaw"));
  EXPECT_FALSE(IsMenu(multi));
  EXPECT_FALSE(store_->Delegate(multi));
  EXPECT_FALSE(store_->GetMenuItem(frmPanels().Menu("mnuRaw").Id(), Panels()).ItemFlags & kHasSubmenu);
  RewriteCaption("mnuRaw", "Raw{lvDays:1}");
  HMENU days = Generated("mnuRaw");
  ASSERT_TRUE(days);
  EXPECT_EQ(GetMenuItemCount(days), 7);
  frmPanels().Menu("mnuRaw").SetCaption("Raw");
  EXPECT_FALSE(Generated("mnuRaw"));
  EXPECT_FALSE(IsMenu(days));
}

TEST_F(GeneratedPopups, EmptyListsArraysAndListsThatCannotFeedAPopup) {
  HMENU empty = Generated("mnuEmpty");
  ASSERT_EQ(GetMenuItemCount(empty), 1);
  EXPECT_EQ(TextAt(empty, 0).rfind("-No Selections Available{", 0), 0u);
  EXPECT_EQ(GetMenuState(empty, 0, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED), UINT{MF_GRAYED | MF_DISABLED});
  Open(empty);
  EXPECT_TRUE(Record(empty, 0).ItemFlags & kRaised);
  Choose(empty, 0);
  EXPECT_TRUE(frmPanels().events.empty());
  // The line of an empty file list stands for no file: no picture, and no hourglass waits for one.
  frmPanels().Menu("mnuEmpty").SetCaption("Empty{LB:lstEmpty|Files:C:\\windows}");
  empty = Generated("mnuEmpty");
  ASSERT_TRUE(empty);
  Open(empty);
  EXPECT_EQ(Record(empty, 0).DisplayText, "No Selections Available");
  EXPECT_EQ(Record(empty, 0).ImageKey, "");
  ASSERT_TRUE(store_->GetPanelItem(empty));
  EXPECT_FALSE(store_->GetPanelItem(empty)->LongList);
  frmPanels().Menu("mnuEmpty").SetCaption("Empty{LB:lstEmpty}");

  HMENU member = Generated("mnuArray");
  ASSERT_EQ(GetMenuItemCount(member), 1);
  EXPECT_EQ(TextAt(member, 0).rfind("Second array member{", 0), 0u);

  // A multi-column list box, named by its window handle, gives no popup.
  rt::UniqueWindow columns(CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_MULTICOLUMN, 0, 0, 50, 50, form(),
                                           nullptr, GetModuleHandleA(nullptr), nullptr));
  SendMessageA(columns.get(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"));
  const std::string handle = std::to_string(reinterpret_cast<uintptr_t>(columns.get()));
  frmPanels().Menu("mnuRaw").SetCaption("Raw{LB:" + handle + "}");
  EXPECT_FALSE(Generated("mnuRaw"));
  frmPanels().Menu("mnuRaw").SetCaption("Raw{LB:lstNowhere}");
  EXPECT_FALSE(Generated("mnuRaw"));
}

TEST_F(GeneratedPopups, AFileListShowsItsFilesByNameWithTheirDescriptions) {
  HMENU files = Generated("mnuFiles");
  ASSERT_EQ(GetMenuItemCount(files), 2);
  EXPECT_NE(TextAt(files, 0).find("|gEXE:C:\\windows\\|gType:1}"), std::string::npos);
  Open(files);
  const MenuItemRecord notepad = Record(files, 0);
  EXPECT_EQ(notepad.DisplayText, "NOTEPAD");  // written in lower case: shown in capitals
  EXPECT_EQ(notepad.ImageKey, GetShortFileName("C:\\windows\\") + "notepad.exe");
  const std::string description = GetFileDescription(notepad.ImageKey);
  EXPECT_EQ(notepad.ItemTip, description.empty() ? "A program" : description);
  EXPECT_EQ(Record(files, 1).DisplayText, "Missing");
  EXPECT_EQ(Record(files, 1).ItemTip, "A program");  // no description: the item's own tip

  // Full paths: a file that exists carries its folder, one that does not is only a name.
  auto& list = frmPanels().Ctl<rt::ListBox>("lstFiles");
  list.Clear();
  list.AddItem("C:\\windows\\notepad.exe");
  list.AddItem("C:\\nowhere\\gone.exe");
  frmPanels().Menu("mnuFiles").SetCaption("Files{LB:lstFiles|Files:C:\\no such folder}");
  HMENU paths = Generated("mnuFiles");
  ASSERT_EQ(GetMenuItemCount(paths), 2);
  EXPECT_EQ(TextAt(paths, 0).substr(0, 12), "notepad.exe{");
  EXPECT_NE(TextAt(paths, 0).find("|gEXE:" + GetShortFileName("C:\\windows\\")), std::string::npos);
  EXPECT_EQ(TextAt(paths, 1).substr(0, 9), "gone.exe{");
  EXPECT_NE(TextAt(paths, 1).find("|Pendrix2}"), std::string::npos);
}

// Paints each item of a generated popup as the menu would ask for it, one row below the other.
test::Picture PaintPopup(const cMenuItems& store, HMENU popup) {
  test::DibCanvas row(240, 22);
  test::Picture picture;
  for (int position = 0; position < GetMenuItemCount(popup); ++position) {
    row.Fill(GetSysColor(COLOR_MENU));
    DRAWITEMSTRUCT d{ODT_MENU,
                     0,
                     GetMenuItemID(popup, position),
                     ODA_DRAWENTIRE,
                     0,
                     reinterpret_cast<HWND>(popup),
                     row.dc(),
                     RECT{0, 0, row.width(), row.height()},
                     reinterpret_cast<ULONG_PTR>(popup)};
    DrawMenuItem(store, d, false);
    row.AppendTo(picture);
  }
  return picture;
}

TEST_F(GeneratedPopups, EntriesWithTabsAndAmpersandsShowAndChooseAsWritten) {
  auto& plain = frmPanels().Ctl<rt::ListBox>("lstPlain");
  plain.Clear();
  for (const char* text : {"Name\tValue & more", "A & B", "Tom&Jerry", "Big{Bold}"}) plain.AddItem(text);
  HMENU list = Generated("mnuList");
  ASSERT_EQ(GetMenuItemCount(list), 4);
  Open(list);
  const MenuItemRecord tab = Record(list, 0);
  EXPECT_EQ(tab.DisplayText, "Name");
  EXPECT_EQ(tab.RightText, "Value && more");
  EXPECT_EQ(Record(list, 1).DisplayText, "A && B");  // shown as "A & B", no access key
  EXPECT_EQ(Record(list, 2).DisplayText, "Tom&&Jerry");
  EXPECT_EQ(store_->GetPanelItem(list)->Accelerators, std::vector<std::string>(4));
  EXPECT_TRUE(test::KeepPicture(PaintPopup(*store_, list), TARNWICK_ARTIFACT_DIR, "menus-list-fed-popup"));

  for (int position : {0, 1}) {
    frmPanels().events.clear();
    Choose(list, position);
    EXPECT_EQ(plain.ListIndex(), position);
    EXPECT_EQ(frmPanels().events, std::vector<std::string>{"lstPlain_Click"}) << position;
  }
  plain.Clear();
  for (const char* text : {"One", "R&D", "Big{Bold}"}) plain.AddItem(text);
  plain.SetListIndex(1);
}

TEST_F(GeneratedPopups, FilesInAFolderWithAnAmpersandAndBareNamesInFullPathMode) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "Tom & Jerry\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string library = "C:\\windows\\system32\\kernel32.dll";
  ASSERT_TRUE(CopyFileA(library.c_str(), (folder + "kernel32.dll").c_str(), FALSE));
  const std::string description = GetFileDescription(library);
  ASSERT_FALSE(description.empty());
  auto& files = frmPanels().Ctl<rt::ListBox>("lstFiles");
  files.Clear();
  files.AddItem("kernel32.dll");
  files.AddItem("absent.exe");
  const std::string caption = frmPanels().Menu("mnuFiles").Caption();

  frmPanels().Menu("mnuFiles").SetCaption("Files{LB:lstFiles|Files:" + folder + "|Tip:A file}");
  HMENU inFolder = Generated("mnuFiles");
  ASSERT_EQ(GetMenuItemCount(inFolder), 2);
  Open(inFolder);
  EXPECT_EQ(Record(inFolder, 0).DisplayText, "KERNEL32");
  EXPECT_EQ(Record(inFolder, 0).ImageKey, GetShortFileName(folder) + "kernel32.dll");
  EXPECT_EQ(Record(inFolder, 0).ItemTip, description);

  // Without a folder a bare name is a file in the current one.
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  SetCurrentDirectoryA(folder.c_str());
  frmPanels().Menu("mnuFiles").SetCaption("Files{LB:lstFiles|Files:-1|Tip:A file}");
  HMENU bare = Generated("mnuFiles");
  SetCurrentDirectoryA(current);
  ASSERT_EQ(GetMenuItemCount(bare), 2);
  Open(bare);
  EXPECT_EQ(Record(bare, 0).DisplayText, "KERNEL32");
  EXPECT_EQ(Record(bare, 0).ItemTip, description);
  EXPECT_FALSE(Record(bare, 1).ItemFlags & kSeparator);  // a file that is not there is still an entry
  EXPECT_EQ(Record(bare, 1).DisplayText, "absent.exe");
  EXPECT_TRUE(test::KeepPicture(PaintPopup(*store_, bare), TARNWICK_ARTIFACT_DIR, "menus-file-list-popup"));

  frmPanels().Menu("mnuFiles").SetCaption(caption);
  files.Clear();
  for (const char* text : {"notepad.exe", "Missing.exe"}) files.AddItem(text);
  DeleteFileA((folder + "kernel32.dll").c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(GeneratedPopups, EntriesWithBracesShowThemAndFilesInFoldersWithBracesKeepTheirPictures) {
  auto& plain = frmPanels().Ctl<rt::ListBox>("lstPlain");
  plain.Clear();
  for (const char* text : {"a{b", "a}b", "{x", "Big{Bold}"}) plain.AddItem(text);
  HMENU list = Generated("mnuList");
  ASSERT_EQ(GetMenuItemCount(list), 4);
  Open(list);
  EXPECT_EQ(Record(list, 0).DisplayText, "a{b");
  EXPECT_EQ(Record(list, 1).DisplayText, "a}b");
  EXPECT_EQ(Record(list, 2).DisplayText, "{x");
  EXPECT_EQ(Record(list, 3).DisplayText, "Big");  // an entry's own block still counts
  EXPECT_EQ(GetAttribute(SplitCaption(Record(list, 3).RawCaption).block, "Bold"), "True");
  Choose(list, 0);
  EXPECT_EQ(plain.ListIndex(), 0);
  plain.Clear();
  for (const char* text : {"One", "R&D", "Big{Bold}"}) plain.AddItem(text);
  plain.SetListIndex(1);

  // A file list's entries are file names, braces and all, in folders with braces too: a full path
  // may hold any, a folder the caption names may hold "{" (a "}" would end the caption's block).
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string library = "C:\\windows\\system32\\kernel32.dll";
  const std::string description = GetFileDescription(library);
  auto& files = frmPanels().Ctl<rt::ListBox>("lstFiles");
  const std::string caption = frmPanels().Menu("mnuFiles").Caption();
  struct Mode {
    std::string folder, entry, files;
  };
  const std::string full = std::string(temp) + "{A1B2}\\", named = std::string(temp) + "x{y\\";
  for (const Mode& mode : {Mode{full, full + "set{up}.dll", "-1"}, Mode{named, "set{up}.dll", named}}) {
    CreateDirectoryA(mode.folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(library.c_str(), (mode.folder + "set{up}.dll").c_str(), FALSE)) << mode.folder;
    files.Clear();
    files.AddItem(mode.entry);
    frmPanels().Menu("mnuFiles").SetCaption("Files{LB:lstFiles|Files:" + mode.files + "}");
    HMENU popup = Generated("mnuFiles");
    ASSERT_EQ(GetMenuItemCount(popup), 1) << mode.entry;
    Open(popup);
    const MenuItemRecord file = Record(popup, 0);
    EXPECT_EQ(file.DisplayText, "SET{UP}") << mode.entry;
    EXPECT_EQ(file.ImageKey, GetShortFileName(mode.folder) + "set{up}.dll") << mode.entry;
    EXPECT_EQ(file.ItemTip, description) << mode.entry;
    DeleteFileA((mode.folder + "set{up}.dll").c_str());
    RemoveDirectoryA(mode.folder.c_str());
  }
  frmPanels().Menu("mnuFiles").SetCaption(caption);
  files.Clear();
  for (const char* text : {"notepad.exe", "Missing.exe"}) files.AddItem(text);
}

TEST_F(GeneratedPopups, AnItemShowsThePictureOfAnImageOnTheForm) {
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  frmPanels().Ctl<rt::Image>("imgPic").SetPicture(icon);
  Generated("mnuPicture");
  EXPECT_EQ(store_->GetMenuItem(frmPanels().Menu("mnuPicture").Id(), Panels()).ImageKey, ImageKeyOf(icon));
}

TEST_F(GeneratedPopups, TheHostsOwnItemsStillReachItsMenuHandler) {
  Generated("mnuOwn");
  const UINT own = frmPanels().Menu("mnuOwn").Id();
  SendMessageA(form(), WM_MENUSELECT, MAKEWPARAM(own, MF_OWNERDRAW), reinterpret_cast<LPARAM>(Panels()));
  SendMessageA(form(), WM_COMMAND, MAKEWPARAM(own, 0), 0);
  EXPECT_EQ(frmPanels().events, std::vector<std::string>{"mnuOwn_Click"});
  EXPECT_TRUE(selected_.empty());
}

TEST(FileAndDriveInformation, ShortNamesDescriptionsAndTheDriveList) {
  EXPECT_EQ(GetShortFileName("C:\\no such folder\\x.txt"), "C:\\no such folder\\x.txt");
  const std::string shortName = GetShortFileName("C:\\Program Files");
  EXPECT_EQ(shortName.find(' '), std::string::npos) << shortName;
  EXPECT_FALSE(GetFileDescription("C:\\windows\\system32\\kernel32.dll").empty());
  EXPECT_EQ(GetFileDescription("C:\\windows\\win.ini"), "");
  EXPECT_EQ(GetFileDescription("C:\\no such file.dll"), "");
  EXPECT_EQ(GetNetworkConnection("C:\\"), "Unknown");  // not a mapped drive

  const std::vector<std::string> drives = GetLogicalDriveList();
  ASSERT_GE(drives.size(), 2u);
  EXPECT_EQ(drives[0], "");
  EXPECT_NE(std::find(drives.begin(), drives.end(), "C:\\|Fixed Drive"), drives.end());
}

}  // namespace
