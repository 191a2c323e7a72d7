#include <gtest/gtest.h>

#include "sample_form.h"
#include "scoped_win.h"
#include "screen.h"

namespace {

using test::frmSample;

// The form's client area painted into a memory bitmap, the way PrintWindow asks for it.
class Rendering {
 public:
  explicit Rendering(HWND window) {
    GetClientRect(window, &client_);
    HDC screen = GetDC(nullptr);
    dc_.reset(CreateCompatibleDC(screen));
    bitmap_.reset(CreateCompatibleBitmap(screen, client_.right, client_.bottom));
    ReleaseDC(nullptr, screen);
    SelectObject(dc_.get(), bitmap_.get());
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_.get()), PRF_CLIENT);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  // How many pixels of the rectangle are (nearly) white: the label's text.
  int WhitePixels(const RECT& r) const {
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) {
        COLORREF c = At(x, y);
        if (GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200) ++count;
      }
    return count;
  }

 private:
  RECT client_;
  rt::GdiObject<HBITMAP> bitmap_;  // declared first, released last
  rt::UniqueMemoryDc dc_;
};

class FormRender : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    frmSample().paintGradient = true;
    frmSample().Load();
  }
  void TearDown() override {
    frmSample().paintGradient = false;
    frmSample().Unload();
  }
};

TEST_F(FormRender, ATransparentLabelShowsItsTextOverTheAutoRedrawBackground) {
  Rendering image(frmSample().hWnd());
  RECT label = frmSample().lblHello().PixelRect();
  EXPECT_GT(image.WhitePixels(label), 20);
  // Between the letters the gradient of the persistent image shows, not a label background.
  EXPECT_EQ(image.At(label.right - 2, label.top + 1), RGB(0, 0, 255));
  RECT bottom;
  GetClientRect(frmSample().hWnd(), &bottom);
  EXPECT_EQ(image.At(2, bottom.bottom - 2), RGB(0, 0, 255 - 15 * 16));
}

TEST_F(FormRender, ARightAlignedAutoSizeLabelKeepsItsRightEdge) {
  rt::Label& count = frmSample().lblCount();
  int right = count.Left() + count.Width();
  int narrow = count.Width();
  count.SetCaption("12345");
  EXPECT_GT(count.Width(), narrow);
  EXPECT_NEAR(count.Left() + count.Width(), right, 1);
  count.SetCaption("1");
  EXPECT_NEAR(count.Left() + count.Width(), right, 1);

  Rendering image(frmSample().hWnd());
  RECT r = count.PixelRect();
  EXPECT_GT(image.WhitePixels(r), 10);
  RECT leftOfIt{r.left - 30, r.top, r.left - 1, r.bottom};
  EXPECT_EQ(image.WhitePixels(leftOfIt), 0);
}

TEST_F(FormRender, AHiddenLabelIsNotPaintedAndAnOpaqueOneHidesTheBackground) {
  rt::Label& hello = frmSample().lblHello();
  hello.SetVisible(false);
  {
    Rendering image(frmSample().hWnd());
    EXPECT_EQ(image.WhitePixels(hello.PixelRect()), 0);
  }
  rt::Label& disabled = frmSample().Ctl<rt::Label>("lblDisabled");
  Rendering image(frmSample().hWnd());
  RECT r = disabled.PixelRect();
  EXPECT_EQ(image.At(r.right - 2, r.bottom - 2), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
