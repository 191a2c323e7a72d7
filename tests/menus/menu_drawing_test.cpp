// The engine's drawing primitives, painted into a memory picture whose pixels are read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "../support/alpha_icon.h"
#include "../support/dib_canvas.h"
#include "../support/window_picture.h"
#include "image_drawing.h"
#include "menu_drawing.h"
#include "scoped_win.h"

namespace {

using namespace modMenus;

constexpr COLORREF kBack = RGB(1, 2, 3);

class Canvas : public ::testing::Test {
 protected:
  static constexpr int kWidth = 400, kHeight = 60;
  void SetUp() override { canvas_.Fill(kBack); }
  COLORREF At(int x, int y) const { return canvas_.At(x, y); }
  HDC dc() const { return canvas_.dc(); }
  const test::DibCanvas& canvas() const { return canvas_; }

 private:
  test::DibCanvas canvas_{kWidth, kHeight};
};

TEST_F(Canvas, BoxesAreOutlinedInTheirFillUnlessABorderIsGiven) {
  DrawBox(dc(), 10, 10, 20, 20, RGB(200, 0, 0));
  EXPECT_EQ(At(10, 10), RGB(200, 0, 0));
  EXPECT_EQ(At(15, 15), RGB(200, 0, 0));
  EXPECT_EQ(At(20, 20), kBack);  // right and bottom are outside
  DrawBox(dc(), 30, 10, 40, 20, RGB(200, 0, 0), RGB(0, 0, 200));
  EXPECT_EQ(At(30, 15), RGB(0, 0, 200));
  EXPECT_EQ(At(35, 15), RGB(200, 0, 0));
  // System colour values resolve.
  DrawBox(dc(), 50, 10, 60, 20, static_cast<int32_t>(0x80000000 | COLOR_MENU));
  EXPECT_EQ(At(55, 15), GetSysColor(COLOR_MENU));
}

TEST_F(Canvas, EdgesRaisedPressedAndEtched) {
  const COLORREF light = RGB(250, 250, 250), shadow = RGB(90, 90, 90);
  DrawEdge3D(dc(), 10, 10, 30, 30, true, false, false, 1, 1, light, shadow);
  EXPECT_EQ(At(10, 20), light);   // left
  EXPECT_EQ(At(20, 10), light);   // top
  EXPECT_EQ(At(30, 20), shadow);  // right
  EXPECT_EQ(At(20, 30), shadow);  // bottom
  EXPECT_EQ(At(20, 20), kBack);
  DrawEdge3D(dc(), 40, 10, 60, 30, true, true, false, 1, 1, light, shadow);
  EXPECT_EQ(At(40, 20), shadow);
  EXPECT_EQ(At(60, 20), light);
  DrawEdge3D(dc(), 70, 10, 90, 30, false, false, false, 1, 1, light, shadow);  // painted out
  EXPECT_EQ(At(70, 20), GetSysColor(COLOR_MENU));

  DrawEdge3D(dc(), 100, 20, 150, 20, true, true, true, 1, 1, light, shadow);  // ridge: light above
  EXPECT_EQ(At(120, 19), light);
  EXPECT_EQ(At(120, 20), shadow);
  EXPECT_EQ(At(150, 20), kBack);
  DrawEdge3D(dc(), 100, 40, 150, 40, true, false, true, 1, 1, light, shadow);  // groove: shadow above
  EXPECT_EQ(At(120, 38), shadow);
  EXPECT_EQ(At(120, 39), light);
  EXPECT_EQ(At(120, 40), kBack);
}

TEST_F(Canvas, GradientsRunTheirWayInBandsAndCoverTheRectangle) {
  const int wide = GetSystemMetrics(SM_CXSCREEN) / 4 + 1;  // wider than a fifth of the screen
  ASSERT_LE(wide, kWidth);
  GradientFill(RGB(0, 0, 0), RGB(255, 0, 0), true, dc(), RECT{0, 0, wide, 10});
  EXPECT_EQ(At(0, 5), At(1, 5));  // 2-pixel bands
  EXPECT_NE(At(1, 5), At(2, 5));
  EXPECT_LT(GetRValue(At(0, 5)), GetRValue(At(wide - 3, 5)));
  EXPECT_NE(At(wide - 1, 5), kBack);  // an odd width leaves no line unpainted
  EXPECT_EQ(At(wide, 5), kBack);

  GradientFill(RGB(0, 0, 0), RGB(0, 0, 255), false, dc(), RECT{0, 20, 10, 60});
  EXPECT_GT(GetBValue(At(5, 20)), GetBValue(At(5, 59)));  // vertical: the end colour at the top
  EXPECT_NE(At(5, 20), At(5, 21));                        // narrow: 1-pixel bands
}

TEST_F(Canvas, CheckGlyphWithAndWithoutShadow) {
  const RECT row{0, 0, 100, 20};  // glyph origin (5, 6)
  DrawCheckGlyph(dc(), row, 0, false, RGB(0, 0, 0), -1);
  EXPECT_EQ(At(5 + 3, 6 + 5), RGB(0, 0, 0));  // the bottom step
  EXPECT_EQ(At(5 + 6, 6 + 1), RGB(0, 0, 0));
  EXPECT_EQ(At(5 + 1, 6 + 1), kBack);
  DrawCheckGlyph(dc(), RECT{0, 30, 100, 50}, 20, false, RGB(0, 200, 0), RGB(200, 0, 0));
  EXPECT_EQ(At(25 + 7, 36 + 1), RGB(0, 200, 0));
  EXPECT_EQ(At(25 + 0, 36 + 3), RGB(200, 0, 0));  // the shadow, one up and left, drawn over it
}

TEST_F(Canvas, CaptionGlyphsOnlyForCaptionCommands) {
  DrawCaptionGlyph(dc(), RECT{0, 0, 20, 20}, SC_CLOSE, false, false);
  int painted = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) painted += At(x, y) != kBack;
  EXPECT_GT(painted, 8);
  DrawCaptionGlyph(dc(), RECT{30, 0, 50, 20}, 1234, false, false);
  for (int y = 0; y < 20; ++y)
    for (int x = 30; x < 50; ++x) ASSERT_EQ(At(x, y), kBack);
}

// A 16 x 16 bitmap: magenta around a green square.
rt::GdiObject<HBITMAP> GreenOnMagenta(HDC like) {
  rt::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(like, 16, 16));
  rt::UniqueMemoryDc dc(CreateCompatibleDC(like));
  HGDIOBJ old = SelectObject(dc.get(), bitmap.get());
  DrawBox(dc.get(), 0, 0, 16, 16, RGB(255, 0, 255));
  DrawBox(dc.get(), 4, 4, 12, 12, RGB(0, 160, 0));
  SelectObject(dc.get(), old);
  return bitmap;
}

TEST_F(Canvas, ImagesWithAndWithoutBackgroundAndGreyed) {
  rt::GdiObject<HBITMAP> bitmap = GreenOnMagenta(dc());
  const std::string key = ImageKeyOf(bitmap.get());
  EXPECT_EQ(ImageOfKey(key), bitmap.get());
  EXPECT_TRUE(DrawImage(dc(), key, RECT{10, 10, 0, 0}, false, false, 1, 0, 0, 16, 16));
  EXPECT_EQ(At(11, 11), RGB(255, 0, 255));  // with its background
  EXPECT_EQ(At(18, 18), RGB(0, 160, 0));
  EXPECT_TRUE(DrawImage(dc(), key, RECT{40, 10, 0, 0}, false, false, 0, 2, 0, 32, 32));
  EXPECT_EQ(At(43, 11), kBack);  // the top-left colour is left out, the image doubled in size
  EXPECT_EQ(At(42 + 16, 10 + 16), RGB(0, 160, 0));

  EXPECT_TRUE(DrawImage(dc(), key, RECT{100, 10, 0, 0}, true, true, 0, 0, 0, 16, 16));
  EXPECT_EQ(At(100 + 8, 10 + 8), Colors().shadow);   // the image's shape in the shadow colour
  EXPECT_EQ(At(100 + 12, 10 + 12), Colors().light);  // and a light copy one down and right
  EXPECT_EQ(At(100 + 1, 10 + 1), kBack);             // the left-out background untouched

  EXPECT_FALSE(DrawImage(dc(), "0", RECT{}, false, false, 0, 0, 0, 16, 16));
  EXPECT_FALSE(DrawImage(dc(), "", RECT{}, false, false, 0, 0, 0, 16, 16));
}

TEST_F(Canvas, IconsAndShellIcons) {
  HICON icon = LoadIconA(nullptr, IDI_APPLICATION);
  EXPECT_TRUE(DrawImage(dc(), ImageKeyOf(icon), RECT{10, 10, 0, 0}, false, false, 0, 0, 0, 16, 16));
  int painted = 0;
  for (int y = 10; y < 26; ++y)
    for (int x = 10; x < 26; ++x) painted += At(x, y) != kBack;
  EXPECT_GT(painted, 20);
  EXPECT_TRUE(DrawImage(dc(), "C:\\windows\\notepad.exe", RECT{40, 10, 0, 0}, false, false, 0, 0, 0, 16, 16));
}

TEST_F(Canvas, TransparentCopyLeavesTheKeyColourOut) {
  rt::GdiObject<HBITMAP> bitmap = GreenOnMagenta(dc());
  rt::UniqueMemoryDc source(CreateCompatibleDC(dc()));
  HGDIOBJ old = SelectObject(source.get(), bitmap.get());
  DrawBox(source.get(), 4, 4, 8, 8, RGB(200, 0, 0));  // a red corner in the green square's top left
  DrawTransparent(dc(), 10, 10, 16, 16, source.get(), 0, 0, 16, 16, static_cast<int32_t>(RGB(255, 0, 255)));
  DrawTransparent(dc(), 40, 10, 16, 16, source.get(), 0, 0, 16, 16, -1, true, false);
  DrawTransparent(dc(), 70, 10, 16, 16, source.get(), 0, 0, 16, 16, -1, false, true);
  SelectObject(source.get(), old);
  EXPECT_EQ(At(10, 10), kBack);
  EXPECT_EQ(At(10 + 5, 10 + 5), RGB(200, 0, 0));
  EXPECT_EQ(At(10 + 10, 10 + 10), RGB(0, 160, 0));
  EXPECT_EQ(At(40, 10), kBack);
  EXPECT_EQ(At(40 + 10, 10 + 5), RGB(200, 0, 0));  // mirrored across: the red corner on the right
  EXPECT_EQ(At(40 + 5, 10 + 5), RGB(0, 160, 0));
  EXPECT_EQ(At(70 + 5, 10 + 10), RGB(200, 0, 0));  // mirrored upside down: at the bottom
  EXPECT_EQ(At(70 + 5, 10 + 5), RGB(0, 160, 0));
}

TEST_F(Canvas, AGreyedAlphaIconCoversThePixelsOfTheIconAndNoMore) {
  rt::UniqueHicon icon = test::AlphaDiscIcon();
  const std::string key = ImageKeyOf(icon.get());
  ASSERT_TRUE(DrawImage(dc(), key, RECT{10, 10, 0, 0}, false, false, 0, 0, 0, 16, 16));
  ASSERT_TRUE(DrawImage(dc(), key, RECT{40, 10, 0, 0}, true, true, 0, 0, 0, 16, 16));   // embossed
  ASSERT_TRUE(DrawImage(dc(), key, RECT{70, 10, 0, 0}, true, false, 0, 0, 0, 16, 16));  // shadowed
  auto covered = [&](int left, int x, int y) {
    return x >= 0 && y >= 0 && x < 17 && y < 17 && At(left + x, 10 + y) != kBack;
  };
  // Greyed, the icon covers its own pixels and their copy one down and right, nothing else.
  int normal = 0;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 17; ++x) normal += covered(10, x, y);
  EXPECT_GT(normal, 100);
  EXPECT_LT(normal, 16 * 16 - 40);  // the corners are transparent
  for (int left : {40, 70}) {
    int greyed = 0;
    for (int y = 0; y < 17; ++y)
      for (int x = 0; x < 17; ++x) {
        const bool own = covered(10, x, y), copy = covered(10, x - 1, y - 1);
        greyed += covered(left, x, y);
        EXPECT_EQ(covered(left, x, y), own || copy) << left << ": " << x << ", " << y;
        const COLORREF c = At(left + x, 10 + y);  // grey, not the icon's blue
        EXPECT_LT(std::abs(int(GetBValue(c)) - int(GetRValue(c))), 16) << left << ": " << x << ", " << y;
      }
    EXPECT_LT(greyed, normal + 2 * 17);
  }
  EXPECT_EQ(At(40 + 7, 10 + 7), Colors().shadow);     // embossed: the shadow over a light copy
  EXPECT_EQ(At(70 + 8, 10 + 8), RGB(255, 255, 255));  // shadowed: the background colour over a shadow

  test::Picture picture;
  canvas().AppendTo(picture);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "menus-icon-normal-embossed-shadowed"));
}

}  // namespace
