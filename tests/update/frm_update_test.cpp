#include "frm_update.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sound.h"
#include "transparent.h"
#include "update_test_support.h"
#include "window_picture.h"

namespace {

// No update host: a click's download fails at once and shows the failure box (recorded).
class FrmUpdateTest : public test::UpdateFixture {
 protected:
  FrmUpdateTest() : UpdateFixture("notice") {}
  void SetUp() override {
    UpdateFixture::SetUp();
    test::SetText(test::kSettings, "UpdateServer", "");
    AutoUpdate::UpdateVersion = "2.3.1";
    frmUpdate().Label2("Tarnwick");
    frmUpdate().Show();
  }
  HWND Control(int id) { return GetDlgItem(frmUpdate().hWnd(), id); }
  std::string Caption(int id) {
    char text[128] = {};
    GetWindowTextA(Control(id), text, sizeof text);
    return text;
  }
  void Tick() { SendMessageA(frmUpdate().hWnd(), WM_TIMER, 1, 0); }
  static int Tpp(int axis) {
    HDC dc = GetDC(nullptr);
    int tpp = 1440 / GetDeviceCaps(dc, axis);
    ReleaseDC(nullptr, dc);
    return tpp;
  }
  // Where a label lies in the notice's client area.
  RECT Where(int id) {
    RECT r;
    GetWindowRect(Control(id), &r);
    MapWindowPoints(nullptr, frmUpdate().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(FrmUpdateTest, LoadsWithItsTextsInTheWorkAreasCorner) {
  EXPECT_EQ(Caption(FrmUpdate::kLabel1), "There is an update for Moxbel");
  EXPECT_EQ(Caption(FrmUpdate::kLabel2), "Tarnwick");
  EXPECT_EQ(Caption(FrmUpdate::kLabel3), "Click to Install Update");
  EXPECT_EQ(Caption(FrmUpdate::kLabel4), "7");
  EXPECT_EQ(Caption(FrmUpdate::kLabel5), "To Version 2.3.1");
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  EXPECT_EQ(frmUpdate().Left() + frmUpdate().Width(), area.right * Tpp(LOGPIXELSX));
  int bottom = frmUpdate().Top() + frmUpdate().Height();
  EXPECT_LE(bottom, area.bottom * Tpp(LOGPIXELSY));
  EXPECT_GT(bottom, area.bottom * Tpp(LOGPIXELSY) - 5);
  RECT window;
  GetWindowRect(frmUpdate().hWnd(), &window);  // the 5-twip steps added up to the whole slide
  EXPECT_NEAR(window.bottom, area.bottom, 1);
  EXPECT_EQ(window.right, area.right);
  // Off the task bar: an owned popup without WS_EX_APPWINDOW.
  EXPECT_NE(GetWindow(frmUpdate().hWnd(), GW_OWNER), nullptr);
  EXPECT_FALSE(GetWindowLongA(frmUpdate().hWnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_TRUE(GetWindowLongA(frmUpdate().hWnd(), GWL_STYLE) & WS_POPUP);
  // The chime starts with the notice, straight from the program's resource.
  EXPECT_EQ(sound.played, (std::vector<const void*>{Sound::ChimeData().data()}));
  EXPECT_EQ(sound.stops, 0);
}

// What the screen shows: the pink face, and the offered version whole on one line.
TEST_F(FrmUpdateTest, TheFaceIsPinkAndTheWholeVersionShows) {
  test::Picture picture = test::CaptureWindow(frmUpdate().hWnd());
  ASSERT_GT(picture.width, 0);
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "update-notice"));
  // 86 % opaque: whatever lies below shows through a little.
  auto pink = [](int r, int g, int b) { return r > 200 && b > 200 && g > 90 && g < 170; };
  auto darkRed = [](int r, int g, int b) { return r > 80 && r < 170 && g < 60 && b < 60; };
  for (POINT p : {POINT{2, picture.height - 3}, POINT{picture.width - 3, picture.height / 2}})
    EXPECT_TRUE(pink(picture.At(p.x, p.y, 0), picture.At(p.x, p.y, 1), picture.At(p.x, p.y, 2)))
        << p.x << "," << p.y << ": " << picture.At(p.x, p.y, 0) << " " << picture.At(p.x, p.y, 1) << " "
        << picture.At(p.x, p.y, 2);

  const std::string text = Caption(FrmUpdate::kLabel5);
  ASSERT_EQ(text, "To Version 2.3.1");
  HWND label5 = Control(FrmUpdate::kLabel5);
  HDC dc = GetDC(label5);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label5, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(label5, dc);
  // The columns of the label's rows where its dark red is drawn.
  const RECT r = Where(FrmUpdate::kLabel5);
  int first = picture.width, last = -1;
  for (int y = std::max<int>(r.top, 0); y < r.bottom && y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      if (darkRed(picture.At(x, y, 0), picture.At(x, y, 1), picture.At(x, y, 2))) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  EXPECT_GE(last - first + 1, extent.cx * 9 / 10) << "drawn from " << first << " to " << last;
  EXPECT_GE(r.left, 0);
  EXPECT_LE(r.right, picture.width);
}

TEST_F(FrmUpdateTest, CountsDownSevenTicksThenSinksAndUnloads) {
  int top = frmUpdate().Top();
  for (const char* expected : {"6", "5", "4", "3", "2", "1"}) {
    Tick();
    ASSERT_EQ(Caption(FrmUpdate::kLabel4), expected);
  }
  EXPECT_EQ(frmUpdate().Top(), top);
  EXPECT_FALSE(AutoUpdate::UpdateCheckDone);
  Tick();
  EXPECT_FALSE(frmUpdate().IsLoaded());
  EXPECT_GE(frmUpdate().Top(), top + 2 * frmUpdate().Height());
  EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(sound.stops, 0);             // the chime is over by then: the time-out leaves it alone
  EXPECT_EQ(frmUpdate().Label4(), "7");  // the next touch loads a fresh notice
}

TEST_F(FrmUpdateTest, TheCountdownIgnoresClicks) {
  HWND label4 = Control(FrmUpdate::kLabel4);
  RECT r;
  GetWindowRect(label4, &r);
  EXPECT_EQ(SendMessageA(label4, WM_NCHITTEST, 0, MAKELPARAM(r.left + 2, r.top + 2)), HTCLIENT);
  SendMessageA(label4, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(label4, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(frmUpdate().Visible());
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(FrmUpdateTest, AClickAnywhereElseStartsTheUpdate) {
  for (int id : {0, int(FrmUpdate::kImage1), int(FrmUpdate::kLabel1), int(FrmUpdate::kLabel2),
                 int(FrmUpdate::kLabel3), int(FrmUpdate::kLabel5)}) {
    SCOPED_TRACE(id);
    boxes.shown.clear();
    AutoUpdate::UpdateCheckDone = false;
    frmUpdate().Label2("Tarnwick");
    frmUpdate().Show();
    HWND target = id ? Control(id) : frmUpdate().hWnd();
    SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    SendMessageA(target, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_FALSE(frmUpdate().IsLoaded());
    EXPECT_TRUE(AutoUpdate::UpdateCheckDone);
    EXPECT_EQ(sound.stops, 1);  // the chime stops at the click
    sound.stops = 0;
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, "Moxbel Tarnwick Program");
  }
}

TEST_F(FrmUpdateTest, TransparencyOnlyForAlphaInRange) {
  HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  LONG before = GetWindowLongA(hwnd, GWL_EXSTYLE);
  EXPECT_EQ(Transparent::MakeTransparent(hwnd, 256), 1);
  EXPECT_EQ(Transparent::MakeTransparent(hwnd, -1), 1);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE), before);
  EXPECT_EQ(Transparent::MakeTransparent(hwnd, 220), 0);
  EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 220);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  DestroyWindow(hwnd);
  EXPECT_TRUE(GetWindowLongA(frmUpdate().hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST(Chime, IsAFiveSecondMonoWaveInTheModule) {
  std::string_view wave = Sound::ChimeData();
  ASSERT_EQ(wave.size(), 441044u);
  EXPECT_EQ(wave.substr(0, 4), "RIFF");
  EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
  auto u16 = [&](size_t at) { return uint8_t(wave[at]) | uint8_t(wave[at + 1]) << 8; };
  auto u32 = [&](size_t at) { return uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16; };
  EXPECT_EQ(u16(20), 1);  // PCM
  EXPECT_EQ(u16(22), 1);  // mono
  EXPECT_EQ(u32(24), 44100u);
  EXPECT_EQ(u16(34), 16);
  EXPECT_EQ(wave.substr(36, 4), "data");
  EXPECT_EQ(u32(40), 441000u);
}

}  // namespace
