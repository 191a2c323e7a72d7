// The side bar's strip as the popup gets it: text turned on its background, a picture scaled into
// it, and the default strip when the picture is missing.
#include <windows.h>

#include <gtest/gtest.h>

#include "../support/alpha_icon.h"
#include "../support/dib_canvas.h"
#include "menu_item_store.h"
#include "scoped_win.h"
#include "side_bar_drawing.h"

namespace {

using namespace modMenus;

struct Strip {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
  int Count(COLORREF color) const { return static_cast<int>(std::count(pixels.begin(), pixels.end(), color)); }
};

Strip Read(HBITMAP bitmap) {
  Strip s;
  BITMAP info{};
  GetObjectA(bitmap, sizeof info, &info);
  s.width = info.bmWidth;
  s.height = info.bmHeight;
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  HGDIOBJ old = SelectObject(dc.get(), bitmap);
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) s.pixels.push_back(GetPixel(dc.get(), x, y));
  SelectObject(dc.get(), old);
  return s;
}

// A 32-bit picture with its own pixel memory: a blue frame (its top-left colour) around yellow.
rt::GdiObject<HBITMAP> Picture(int width, int height) {
  uint32_t* bits = nullptr;
  rt::GdiObject<HBITMAP> bitmap = test::DibBitmap(width, height, &bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      bits[y * width + x] = (x < 2 || y < 2 || x >= width - 2 || y >= height - 2) ? 0x0000FF : 0xFFFF00;
  return bitmap;
}

TEST(SideBarStrip, TextOnItsGradientAndWiderWhenItsLinesNeedIt) {
  MenuItemRecord item;
  item.Height = 300;
  rt::GdiObject<HBITMAP> strip(
      DrawSideBarText(item, "{Sidebar|Text:Tray Menu|FColor:16777215|BColor:0|GColor:255|Width:20|}", nullptr));
  ASSERT_TRUE(strip);
  EXPECT_EQ(item.Width, 35);  // at least 35
  const Strip s = Read(strip.get());
  EXPECT_EQ(s.width, 35);
  EXPECT_EQ(s.height, 300);
  EXPECT_GT(GetRValue(s.At(1, 2)), 200);  // the gradient's end colour at the top
  EXPECT_LT(GetRValue(s.At(1, 297)), 40);
  EXPECT_GT(s.Count(RGB(255, 255, 255)), 20);  // the text in its colour

  MenuItemRecord deep;
  deep.Height = 300;
  rt::GdiObject<HBITMAP> wide(
      DrawSideBarText(deep, "{Sidebar|Text:A<br!>B<br!>C<br!>D<br!>E|FSize:20|MinFSize:19|}", nullptr));
  EXPECT_GT(deep.Width, 35);  // five lines at 20 points do not fit 35 pixels across
  EXPECT_EQ(Read(wide.get()).width, deep.Width);
}

TEST(SideBarStrip, APictureIsShrunkIntoTheStripAndCentred) {
  rt::GdiObject<HBITMAP> picture = Picture(100, 50);
  MenuItemRecord item;
  item.Height = 200;
  const std::string block =
      "{Sidebar|IMG:" + std::to_string(reinterpret_cast<uintptr_t>(picture.get())) + "|BColor:-1|}";
  rt::GdiObject<HBITMAP> strip(DrawSideBarBitmap(item, block, ImageSource{}));
  const Strip s = Read(strip.get());
  EXPECT_EQ(s.width, 35);
  // 100 x 50 shrunk by 35/100 to 35 x 18, centred down the strip; the rest in the top-left colour.
  EXPECT_EQ(s.At(17, 100), RGB(255, 255, 0));
  EXPECT_EQ(s.At(17, 20), RGB(0, 0, 255));
  EXPECT_EQ(s.At(17, 180), RGB(0, 0, 255));

  rt::GdiObject<HBITMAP> small = Picture(10, 10);
  MenuItemRecord top;
  top.Height = 100;
  rt::GdiObject<HBITMAP> kept(DrawSideBarBitmap(
      top, "{Sidebar|IMG:" + std::to_string(reinterpret_cast<uintptr_t>(small.get())) + "|Align:Top|BColor:65280|}",
      ImageSource{}));
  const Strip k = Read(kept.get());
  EXPECT_EQ(k.At(17, 5), RGB(255, 255, 0));  // its own size at the top
  EXPECT_EQ(k.At(17, 50), RGB(0, 255, 0));   // on the strip's colour
}

TEST(SideBarStrip, AShrunkPictureIsRoundedHalfToEven) {
  // 70 x 33 into 35 pixels across: half of each, 35 x 16.5, drawn 16 high.
  rt::GdiObject<HBITMAP> picture = Picture(70, 33);
  MenuItemRecord item;
  item.Height = 100;
  rt::GdiObject<HBITMAP> strip(DrawSideBarBitmap(
      item, "{Sidebar|IMG:" + std::to_string(reinterpret_cast<uintptr_t>(picture.get())) + "|BColor:65280|}",
      ImageSource{}));
  const Strip s = Read(strip.get());
  int rows = 0;
  for (int y = 0; y < s.height; ++y) rows += s.At(17, y) != RGB(0, 255, 0);
  EXPECT_EQ(rows, 16);
}

TEST(SideBarStrip, AnIconOnTheAutomaticBackgroundSitsOnTheMenuColour) {
  rt::UniqueHicon icon = test::AlphaDiscIcon();
  const std::string image = std::to_string(reinterpret_cast<uintptr_t>(icon.get()));
  for (const char* back : {"|BColor:-1|GColor:255", "|GColor:255", ""}) {
    MenuItemRecord item;
    item.Height = 100;
    rt::GdiObject<HBITMAP> strip(DrawSideBarBitmap(item, "{Sidebar|IMG:" + image + back + "|}", ImageSource{}));
    const Strip s = Read(strip.get());
    EXPECT_EQ(s.At(1, 2), GetSysColor(COLOR_MENU)) << back;  // one colour, no gradient
    EXPECT_EQ(s.At(1, 97), GetSysColor(COLOR_MENU)) << back;
    EXPECT_NE(s.At(17, 50), GetSysColor(COLOR_MENU)) << back;  // the icon in the middle
  }
}

TEST(SideBarStrip, AMissingPictureGivesTheDefaultStrip) {
  MenuItemRecord item;
  item.Height = 200;
  rt::GdiObject<HBITMAP> strip(DrawSideBarBitmap(item, "{Sidebar|IMG:I3|}", ImageSource{}));  // no image list
  const Strip s = Read(strip.get());
  // The default blue-to-cyan gradient, cyan at the top.
  EXPECT_GT(GetGValue(s.At(1, 2)), GetGValue(s.At(1, 197)));
  EXPECT_GT(GetBValue(s.At(1, 197)), 150);
}

}  // namespace
