// The item store on real popups: captions converted to owner-drawn items, their measures and
// layout read back, and items painted into a memory picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/alpha_icon.h"
#include "../support/dib_canvas.h"
#include "../support/window_picture.h"
#include "image_drawing.h"
#include "item_caption.h"
#include "item_painter.h"
#include "engine_utilities.h"
#include "menu_drawing.h"
#include "menu_fonts.h"
#include "menu_item_store.h"
#include "menu_keys.h"
#include "scoped_win.h"

namespace {

using namespace modMenus;

std::string IconKey() { return ImageKeyOf(LoadIconA(nullptr, IDI_APPLICATION)); }

MENUITEMINFOA ItemAt(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
  GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  return info;
}

std::string TextAt(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class Store : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.reset(CreateWindowExA(0, "STATIC", "menu owner", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
    store_.InitializeSubMenu(window_.get(), nullptr, nullptr, true);
    popup_.reset(CreatePopupMenu());
    sub_.reset(CreatePopupMenu());
    AppendMenuA(sub_.get(), MF_STRING, 200, "Inner");
  }
  // Appends an item with id 100 + its position.
  void Add(const std::string& caption, UINT flags = MF_STRING) {
    const UINT id = 100 + static_cast<UINT>(GetMenuItemCount(popup_.get()));
    AppendMenuA(popup_.get(), flags, id, caption.c_str());
  }
  bool Convert() {
    bool system = false;
    return store_.IsWindowList(popup_.get(), system);
  }
  MenuItemRecord Record(int position) { return store_.GetMenuItem(100 + static_cast<UINT>(position), popup_.get()); }

  rt::UniqueWindow window_;
  cMenuItems store_;
  rt::UniqueHmenu popup_, sub_;
};

TEST_F(Store, APopupBecomesOwnerDrawnWithItsSideBarInAColumnOfItsOwn) {
  Add("{Sidebar|Text:Side|Width:20|Tip:Bar}");
  Add("&Open{Tip:Opens a file|Default|IMG:" + IconKey() + "}");
  Add("-");
  Add("-Group");
  Add("&Save\tCtrl+S");
  Add("Sub{IMG:I3}");
  ModifyMenuA(popup_.get(), 105, MF_BYCOMMAND | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub_.get()),
              "Sub{IMG:I3}");
  EXPECT_FALSE(Convert());

  for (int position = 0; position < 6; ++position) {
    const MENUITEMINFOA info = ItemAt(popup_.get(), position);
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << position;
    EXPECT_EQ(info.dwItemData, reinterpret_cast<ULONG_PTR>(popup_.get())) << position;
  }
  EXPECT_TRUE(ItemAt(popup_.get(), 1).fType & MFT_MENUBREAK);  // the items start beside the side bar
  EXPECT_FALSE(ItemAt(popup_.get(), 1).fType & MFT_MENUBARBREAK);
  EXPECT_TRUE(ItemAt(popup_.get(), 2).fType & MFT_SEPARATOR);
  EXPECT_TRUE(ItemAt(popup_.get(), 2).fState & MFS_DISABLED);
  EXPECT_EQ(ItemAt(popup_.get(), 5).hSubMenu, sub_.get());

  const MenuItemRecord open = Record(1);
  EXPECT_EQ(open.DisplayText, "&Open");
  EXPECT_EQ(open.ItemTip, "Opens a file");
  EXPECT_TRUE(open.ItemFlags & kDefault);
  EXPECT_EQ(open.ImageKey, IconKey());
  EXPECT_GE(open.Height, 22);
  EXPECT_GT(open.Width, 40);
  EXPECT_EQ(Record(2).Height, 6);
  EXPECT_EQ(Record(2).ItemFlags, kSeparator | kDisabled);
  EXPECT_EQ(Record(3).DisplayText, "Group");
  EXPECT_EQ(Record(4).RightText, "Ctrl+S");
  EXPECT_EQ(Record(4).Padding, 35);  // room for the right-hand column beside submenu arrows
  const MenuItemRecord sub = store_.GetMenuItem(ItemAt(popup_.get(), 5).wID, popup_.get());
  EXPECT_EQ(sub.DisplayText, "Sub");
  EXPECT_EQ(sub.ImageKey, "");  // no image list: no image
  EXPECT_EQ(store_.Tips(100, popup_.get()), "Bar");
  EXPECT_EQ(store_.Tips(999, popup_.get()), "");

  const MenuItemRecord bar = Record(0);
  EXPECT_TRUE(bar.ItemFlags & kSideBar);
  EXPECT_EQ(bar.Height, Record(1).Height + Record(2).Height + Record(3).Height + Record(4).Height + sub.Height);
  EXPECT_GE(bar.Width, 35);
  EXPECT_EQ(bar.Padding, -12);
  EXPECT_EQ(bar.RightText, "");
  const PopupRecord* popup = store_.GetPanelItem(popup_.get());
  ASSERT_NE(popup, nullptr);
  EXPECT_TRUE(popup->HasImages);
  EXPECT_EQ(popup->SideBarID, 100u);
  EXPECT_NE(popup->SideBarBitmap, nullptr);
  EXPECT_EQ(popup->Accelerators, (std::vector<std::string>{"", "O", "", "", "S", ""}));

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, 101, 0, 0, reinterpret_cast<ULONG_PTR>(popup_.get())};
  EXPECT_TRUE(MeasureMenuItem(store_, measure));
  EXPECT_EQ(static_cast<int>(measure.itemWidth), open.Width + open.Padding);
  EXPECT_EQ(static_cast<int>(measure.itemHeight), open.Height);
  MEASUREITEMSTRUCT control{ODT_BUTTON, 0, 101, 0, 0, 0};
  EXPECT_FALSE(MeasureMenuItem(store_, control));
}

TEST_F(Store, ReopeningReusesTheReadingUnlessTheCaptionOrTheDefaultStateChanged) {
  Add("Plain");
  Add("Bold{Default}");
  Add("Checked");
  Convert();
  const int width = Record(0).Width;
  // An unchanged caption: the stored reading stands, with the item's state as the menu has it now.
  CheckMenuItem(popup_.get(), 102, MF_BYCOMMAND | MF_CHECKED);
  Convert();
  EXPECT_EQ(Record(0).Width, width);
  EXPECT_TRUE(Record(2).ItemFlags & kChecked);
  // A new caption written by the host is read anew.
  ModifyMenuA(popup_.get(), 100, MF_BYCOMMAND | MF_STRING, 100, "A much longer caption than before");
  Convert();
  EXPECT_EQ(Record(0).DisplayText, "A much longer caption than before");
  EXPECT_GT(Record(0).Width, width);
  EXPECT_TRUE(Record(1).ItemFlags & kDefault);  // re-read from its block each time
}

TEST_F(Store, TheSideBarIsATextItemAgainAfterTheMenuLoop) {
  const std::string caption = "{Sidebar|Text:Side}";
  Add(caption);
  Add("One");
  Convert();
  store_.UpdateMenuItems(popup_.get());
  ASSERT_EQ(GetMenuItemCount(popup_.get()), 2);
  EXPECT_FALSE(ItemAt(popup_.get(), 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(ItemAt(popup_.get(), 0).wID, 100u);
  EXPECT_EQ(TextAt(popup_.get(), 0), caption);
  // And it is converted again at the next opening, with its picture kept.
  const HBITMAP strip = store_.GetPanelItem(popup_.get())->SideBarBitmap;
  Convert();
  EXPECT_TRUE(ItemAt(popup_.get(), 0).fType & MFT_OWNERDRAW);
  EXPECT_EQ(store_.GetPanelItem(popup_.get())->SideBarBitmap, strip);
}

TEST_F(Store, ItemsHigherThanTheScreenOverflowIntoColumnsOrDropTheSideBar) {
  const int rows = GetSystemMetrics(SM_CYSCREEN) / 22 + 10;
  Add("{Sidebar|Text:Side}");
  for (int i = 0; i < rows; ++i) Add("Item " + std::to_string(i));
  Convert();
  int bars = 0;
  for (int position = 2; position <= rows; ++position)
    bars += (ItemAt(popup_.get(), position).fType & MFT_MENUBARBREAK) != 0;
  EXPECT_GE(bars, 1);
  EXPECT_LE(Record(0).Height, GetSystemMetrics(SM_CYSCREEN) - 7);  // the side bar as high as the first column
  store_.UpdateMenuItems(popup_.get());

  ModifyMenuA(popup_.get(), 100, MF_BYCOMMAND | MF_STRING, 100, "{Sidebar|Text:Side|NoScroll}");
  Convert();
  EXPECT_EQ(GetMenuItemCount(popup_.get()), rows);  // the side bar is out
  for (int position = 0; position < rows; ++position)
    ASSERT_FALSE(ItemAt(popup_.get(), position).fType & (MFT_MENUBARBREAK | MFT_MENUBREAK)) << position;
  store_.UpdateMenuItems(popup_.get());
  EXPECT_EQ(GetMenuItemCount(popup_.get()), rows + 1);
  EXPECT_EQ(ItemAt(popup_.get(), 0).wID, 100u);
}

TEST_F(Store, AHostsOwnSubmenuStaysUnderAnItemThatAsksForAPanel) {
  Add("Colours{lvColors:255}");
  Add("Plain");
  ModifyMenuA(popup_.get(), 100, MF_BYCOMMAND | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub_.get()),
              "Colours{lvColors:255}");
  const UINT id = ItemAt(popup_.get(), 0).wID;
  {
    cMenuItems store;
    store.InitializeSubMenu(window_.get(), nullptr, nullptr, true);
    for (int opening = 0; opening < 2; ++opening) {
      bool system = false;
      store.IsWindowList(popup_.get(), system);
      EXPECT_EQ(ItemAt(popup_.get(), 0).hSubMenu, sub_.get()) << opening;
      const MenuItemRecord item = store.GetMenuItem(id, popup_.get());
      EXPECT_EQ(item.ItemFlags & (kHasSubmenu | kListPanel), kHasSubmenu) << opening;
    }
  }
  // Still the host's when the store has gone, with its own items.
  EXPECT_EQ(ItemAt(popup_.get(), 0).hSubMenu, sub_.get());
  EXPECT_EQ(GetMenuItemCount(sub_.get()), 1);
  EXPECT_EQ(GetMenuItemID(sub_.get(), 0), 200u);
  RemoveMenu(popup_.get(), 0, MF_BYPOSITION);  // sub_ is destroyed by its own owner
}

TEST_F(Store, RestoredItemsAreTextItemsWithTheirCaptions) {
  Add("Keep{Tip:x}");
  CheckMenuItem(popup_.get(), 100, MF_BYCOMMAND | MF_CHECKED);
  Convert();
  store_.RestoreMenus();
  EXPECT_FALSE(ItemAt(popup_.get(), 0).fType & MFT_OWNERDRAW);
  EXPECT_TRUE(ItemAt(popup_.get(), 0).fState & MFS_CHECKED);
  EXPECT_EQ(TextAt(popup_.get(), 0), "Keep{Tip:x}");
  Convert();
  EXPECT_EQ(Record(0).RawCaption, "Keep{Tip:x}");  // read afresh
}

// Items painted into a memory picture as the menu would ask for them.
class Painting : public Store {
 protected:
  static constexpr int kWidth = 200, kHeight = 24;
  // The canvas starts in a colour of its own, so that what the painter fills shows.
  static constexpr COLORREF kCanvas = RGB(1, 2, 3);
  void Paint(int position, UINT state, UINT action = ODA_DRAWENTIRE, bool keyboardSelect = false) {
    canvas_.Fill(kCanvas);
    Repaint(position, state, action, keyboardSelect);
  }
  // Over what the canvas shows, as the menu asks for a change of highlight.
  void Repaint(int position, UINT state, UINT action, bool keyboardSelect = false) {
    DRAWITEMSTRUCT d{ODT_MENU,
                     0,
                     100 + static_cast<UINT>(position),
                     action,
                     state,
                     reinterpret_cast<HWND>(popup_.get()),
                     canvas_.dc(),
                     RECT{0, 0, kWidth, kHeight},
                     reinterpret_cast<ULONG_PTR>(popup_.get())};
    ASSERT_TRUE(DrawMenuItem(store_, d, keyboardSelect));
  }
  void AddTo(test::Picture& picture) const { canvas_.AppendTo(picture); }
  COLORREF At(int x, int y) const { return canvas_.At(x, y); }
  int Count(int left, int right, COLORREF color) const { return canvas_.Count(left, right, color); }
  template <class Accepts>
  int Count(int left, int right, Accepts accepts) const {
    return canvas_.Count(left, right, accepts);
  }

  test::DibCanvas canvas_{kWidth, kHeight};
};

TEST_F(Painting, SelectedItemsBesideTheirImageColumn) {
  Add("Open{IMG:" + IconKey() + "}");
  Add("Plain");
  Convert();
  Paint(0, ODS_SELECTED);
  EXPECT_EQ(At(100, 12), Colors().highlight);           // the highlight
  EXPECT_NE(At(10, 12), Colors().highlight);            // leaves the image column alone
  EXPECT_GT(Count(2, 18, kCanvas), 0);  // the image is drawn there
  EXPECT_LT(Count(2, 18, kCanvas), 16 * 16);
  EXPECT_GT(Count(23, 120, Colors().highlightText), 5);  // the caption in the selected text colour
  Paint(1, 0);
  EXPECT_EQ(At(100, 12), GetSysColor(COLOR_MENU));
  EXPECT_GT(Count(23, 120, Colors().menuText), 5);
  DRAWITEMSTRUCT control{ODT_BUTTON};
  EXPECT_FALSE(DrawMenuItem(store_, control, false));
}

TEST_F(Painting, ACheckedItemKeepsItsPictureWhenTheHighlightComesAndGoes) {
  rt::UniqueHicon icon = test::AlphaDiscIcon();
  Add("&Checked{IMG:" + ImageKeyOf(icon.get()) + "}");
  Add("&Plain{IMG:" + ImageKeyOf(icon.get()) + "}");
  CheckMenuItem(popup_.get(), 100, MF_BYCOMMAND | MF_CHECKED);
  Convert();
  // The disc's blue in the image column (the highlight never reaches it).
  auto picture = [&] { return Count(0, 20, [](COLORREF c) { return GetBValue(c) > GetRValue(c) + 60; }); };
  for (int position : {0, 1}) {
    Paint(position, 0);
    const int whole = picture();
    EXPECT_GT(whole, 80) << position;
    Repaint(position, ODS_SELECTED, ODA_SELECT);
    EXPECT_EQ(picture(), whole) << position << ": highlighted";
    Repaint(position, 0, ODA_SELECT);
    EXPECT_EQ(picture(), whole) << position << ": the highlight gone again";
  }
}

TEST_F(Painting, ColourItemsShowTheirSwatchBesideTheHighlight) {
  Add("Red{gControl:0|lvID:|LColor:255}");
  Add("Select a custom color{gControl:0|lvID:|LDefClr:-1|LColor:-1}");
  Convert();
  Paint(0, 0);
  EXPECT_EQ(At(kWidth - 20, 12), RGB(255, 0, 0));  // the swatch, bordered in black
  EXPECT_EQ(At(kWidth - 35, 12), RGB(0, 0, 0));
  Repaint(0, ODS_SELECTED, ODA_SELECT);
  EXPECT_EQ(At(kWidth - 39, 12), Colors().highlight);  // the highlight stops short of it
  EXPECT_EQ(At(kWidth - 20, 12), RGB(255, 0, 0));
  Paint(1, ODS_SELECTED);
  EXPECT_EQ(At(kWidth - 8, 12), Colors().highlight);  // the custom colour has none
}

// The width of "Sample" in a face at the menu font's size.
int SampleWidth(HDC dc, const std::string& face) {
  LOGFONTA font{};
  font.lfHeight = FontHeight(MenuFontSize());
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face.c_str(), LF_FACESIZE);
  rt::GdiObject<HFONT> made(CreateFontIndirectA(&font));
  HGDIOBJ old = SelectObject(dc, made.get());
  SIZE size{};
  GetTextExtentPoint32A(dc, "Sample", 6, &size);
  SelectObject(dc, old);
  return size.cx;
}

TEST_F(Painting, AFontItemsRightHandTextIsDrawnInItsOwnFace) {
  // The same caption in the menu font; the sample text in the face the item names: the menu
  // font's own, and one installed face that draws it wider or narrower.
  const std::string menuFace = GetMenuFontName();
  std::string other;
  for (const std::string& family : GetFontFamilies(nullptr, 4))
    if (!family.empty() && SampleWidth(canvas_.dc(), family) != SampleWidth(canvas_.dc(), menuFace)) {
      other = family;
      break;
    }
  ASSERT_FALSE(other.empty()) << "every installed face draws like the menu font";
  Add("Face{gControl:0|lvID:|LFont:" + menuFace + "}\tSample");
  Add("Face{gControl:0|lvID:|LFont:" + other + "}\tSample");
  Convert();
  auto halves = [&](int position) {
    Paint(position, 0);
    std::vector<COLORREF> left, right;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) (x < 60 ? left : right).push_back(At(x, y));
    return std::make_pair(left, right);
  };
  const auto another = halves(1), own = halves(0);
  EXPECT_GT(Count(60, kWidth, Colors().menuText), 5);  // the sample is drawn
  EXPECT_EQ(own.first, another.first);
  EXPECT_NE(own.second, another.second) << other;
}

TEST_F(Painting, ASelectedSideBarIsFramedAndItsStripDrawnInside) {
  Add("{Sidebar|Text:Side|FColor:255|BColor:255|GColor:1|Width:40}");  // red on red
  Add("One");
  Convert();
  Paint(0, 0);
  EXPECT_EQ(At(0, 10), GetSysColor(COLOR_MENU));  // the frame painted out
  EXPECT_EQ(At(1, 10), RGB(255, 0, 0));
  EXPECT_EQ(At(20, 1), RGB(255, 0, 0));
  Paint(0, ODS_SELECTED);
  EXPECT_EQ(At(0, 10), Colors().light);  // raised
  EXPECT_EQ(At(10, 0), Colors().light);
  EXPECT_EQ(At(1, 10), GetSysColor(COLOR_MENU));
  EXPECT_EQ(At(2, 10), RGB(255, 0, 0));  // the strip, two pixels in
  EXPECT_EQ(At(20, 1), GetSysColor(COLOR_MENU));
}

TEST_F(Painting, CheckMarksSeparatorsAndDisabledText) {
  Add("Checked");
  Add("-");
  Add("-Group");
  Add("Off");
  CheckMenuItem(popup_.get(), 100, MF_BYCOMMAND | MF_CHECKED);
  EnableMenuItem(popup_.get(), 103, MF_BYCOMMAND | MF_GRAYED);
  Convert();
  Paint(0, 0);
  EXPECT_GT(Count(5, 14, Colors().menuText), 6);  // the tick left of the caption
  EXPECT_EQ(At(100, 5), GetSysColor(COLOR_MENU));  // an enabled item fills its background
  Paint(1, 0);
  EXPECT_EQ(At(100, 11), Colors().shadow);  // one groove across the middle
  EXPECT_EQ(At(100, 12), Colors().light);
  EXPECT_EQ(At(1, 13), kCanvas);    // 2 pixels inside each end
  EXPECT_EQ(At(100, 5), kCanvas);   // the menu's own background stays
  Paint(1, 0, ODA_DRAWENTIRE, true);
  EXPECT_EQ(At(100, 5), GetSysColor(COLOR_MENU));  // the hot look fills it
  Paint(1, ODS_SELECTED, ODA_SELECT, true);
  EXPECT_EQ(At(100, 5), kCanvas);  // separators do not follow the highlight
  EXPECT_EQ(At(100, 11), kCanvas);
  Paint(2, 0);
  EXPECT_GT(Count(60, 140, Colors().separatorText), 5);  // the caption in the middle
  EXPECT_EQ(At(5, 11), Colors().shadow);                 // grooves on both sides
  EXPECT_EQ(At(195, 11), Colors().shadow);
  Paint(3, 0);
  EXPECT_GT(Count(20, 120, Colors().disabledText), 5);  // embossed: grey over a light copy
  EXPECT_GT(Count(20, 120, Colors().disabledLight), 2);
  EXPECT_EQ(At(150, 5), kCanvas);
}

TEST_F(Painting, ADisabledItemsAlphaIconIsGreyedWithinItsOwnShape) {
  rt::UniqueHicon icon = test::AlphaDiscIcon();
  Add("&Open{IMG:" + ImageKeyOf(icon.get()) + "}");
  Add("&Closed{IMG:" + ImageKeyOf(icon.get()) + "}");
  EnableMenuItem(popup_.get(), 101, MF_BYCOMMAND | MF_GRAYED);
  Convert();
  test::Picture picture;
  // The icon's cell: 16 x 16 at (2, 4), with the light copy one further down and right.
  auto covered = [&](COLORREF back) {
    int n = 0;
    for (int y = 4; y < 21; ++y)
      for (int x = 2; x < 19; ++x) n += At(x, y) != back;
    return n;
  };
  Paint(0, 0);
  const int normal = covered(kCanvas);
  AddTo(picture);
  Paint(1, 0);
  const int greyed = covered(kCanvas);
  AddTo(picture);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "menus-items-normal-and-disabled"));
  EXPECT_GT(normal, 100);
  EXPECT_GE(greyed, normal);
  EXPECT_LT(greyed, normal + 2 * 17);  // not the whole square: transparent corners stay the menu's
  EXPECT_EQ(At(2, 4), kCanvas);
  EXPECT_EQ(At(2 + 7, 4 + 7), Colors().shadow);
}

}  // namespace
