#include <gtest/gtest.h>

#include <cstdlib>

#include "sample_form.h"
#include "screen.h"

namespace {

using test::frmSample;

int DisplayDpiX() {
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Where a control must be, in pixels of its parent window, at the display's DPI.
RECT Expected(int left, int top, int width, int height) {
  auto px = [](int twips) { return static_cast<LONG>(twips * DisplayDpiX() / 1440.0 + 0.5); };
  return {px(left), px(top), px(left) + px(width), px(top) + px(height)};
}

RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ExpectRect(const RECT& actual, const RECT& expected, const char* what) {
  EXPECT_EQ(actual.left, expected.left) << what;
  EXPECT_EQ(actual.top, expected.top) << what;
  EXPECT_EQ(actual.right, expected.right) << what;
  EXPECT_EQ(actual.bottom, expected.bottom) << what;
}

class FormLayout : public ::testing::Test {
 protected:
  void SetUp() override { rt::SetQuitting(false); }
  void TearDown() override { frmSample().Unload(); }
};

// Run again by the DPI suite in a prefix set to another DPI, which it names in this variable.
TEST_F(FormLayout, TheDisplaysDpiDecidesTwipsPerPixel) {
  if (const char* wanted = std::getenv("TARNWICK_EXPECT_DPI")) {
    ASSERT_EQ(DisplayDpiX(), std::atoi(wanted));
  }
  EXPECT_DOUBLE_EQ(rt::Screen().TwipsPerPixelX(), 1440.0 / DisplayDpiX());
  EXPECT_EQ(rt::Screen().TwipsToPixelsX(1440), DisplayDpiX());
}

TEST_F(FormLayout, ControlsSitAtTheirPixelRectanglesInsideTheirContainers) {
  HWND form = frmSample().hWnd();
  RECT client;
  GetClientRect(form, &client);
  ExpectRect(client, Expected(0, 0, test::SampleForm::kClientWidth, test::SampleForm::kClientHeight), "client");

  ExpectRect(InParent(frmSample().Ctl<rt::Control>("fraOptions").hWnd()), Expected(120, 840, 3360, 2400), "frame");
  HWND inner = frmSample().Ctl<rt::Control>("picInner").hWnd();
  EXPECT_EQ(GetParent(inner), frmSample().Ctl<rt::Control>("fraOptions").hWnd());
  ExpectRect(InParent(inner), Expected(120, 240, 3120, 2040), "picture box in the frame");
  // The picture box has a border: its children are placed in its client area.
  HWND option = frmSample().optTwo().hWnd();
  EXPECT_EQ(GetParent(option), inner);
  ExpectRect(InParent(option), Expected(120, 480, 1800, 255), "option in the picture box");
  ExpectRect(InParent(frmSample().cmdGo().hWnd()), Expected(5520, 4800, 1440, 420), "button");
  ExpectRect(frmSample().lblHello().PixelRect(), Expected(120, 120, 2400, 360), "windowless label");
}

TEST_F(FormLayout, TheFormStartsCentredOnTheScreen) {
  RECT r;
  GetWindowRect(frmSample().hWnd(), &r);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  RECT client;
  GetClientRect(frmSample().hWnd(), &client);
  EXPECT_DOUBLE_EQ(frmSample().ScaleWidth(), rt::Screen().PixelsToTwipsX(client.right));
  frmSample().SetScaleMode(rt::ScaleMode::Pixels);
  EXPECT_DOUBLE_EQ(frmSample().ScaleWidth(), client.right);
}

// A form configured by its settings alone, as each case of the table wants it.
class StyledForm : public rt::Form {
 public:
  explicit StyledForm(rt::FormSettings settings) : rt::Form("frmStyled"), settings_(std::move(settings)) {}

 protected:
  rt::FormSettings Settings() const override { return settings_; }

 private:
  rt::FormSettings settings_;
};

TEST_F(FormLayout, BorderCaptionAndTaskBarSettingsBecomeTheWindowsStyles) {
  struct Case {
    const char* what;
    rt::FormBorder border;
    const char* caption;
    bool controlBox, showInTaskbar;
    DWORD wanted, unwanted;
  };
  const Case cases[] = {
      {"a notice without a title bar", rt::FormBorder::FixedSingle, "", false, false, WS_BORDER, WS_DLGFRAME | WS_THICKFRAME},
      {"a dialog", rt::FormBorder::FixedDialog, "Options", true, true, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME},
      {"a sizable window", rt::FormBorder::Sizable, "Main", true, true, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0},
      {"no border", rt::FormBorder::None, "Hidden", true, true, WS_POPUP, WS_CAPTION | WS_BORDER},
  };
  for (const Case& c : cases) {
    rt::FormSettings settings;
    settings.border = c.border;
    settings.caption = c.caption;
    settings.controlBox = c.controlBox;
    settings.minButton = settings.maxButton = false;
    settings.showInTaskbar = c.showInTaskbar;
    settings.clientWidth = 6300;
    settings.clientHeight = 2085;
    StyledForm form(settings);
    HWND hwnd = form.hWnd();
    auto style = static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
    EXPECT_EQ(style & c.wanted, c.wanted) << c.what;
    EXPECT_EQ(style & c.unwanted, 0u) << c.what;
    EXPECT_EQ(GetWindow(hwnd, GW_OWNER) != nullptr, !c.showInTaskbar) << c.what;  // an owned window has no button
    RECT client;
    GetClientRect(hwnd, &client);
    ExpectRect(client, Expected(0, 0, 6300, 2085), c.what);
    form.Unload();
  }
}

TEST_F(FormLayout, TheScreensMousePointerWinsOverEveryWindowsOwnCursor) {
  HWND form = frmSample().hWnd();
  EXPECT_EQ(SendMessageA(form, WM_SETCURSOR, reinterpret_cast<WPARAM>(form), HTCLIENT), FALSE);
  rt::Screen().SetMousePointer(rt::MousePointer::Hourglass);
  EXPECT_EQ(SendMessageA(form, WM_SETCURSOR, reinterpret_cast<WPARAM>(form), HTCLIENT), TRUE);
  HWND button = frmSample().cmdGo().hWnd();
  EXPECT_EQ(SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button), HTCLIENT), TRUE);
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_WAIT));
  rt::Screen().SetMousePointer(rt::MousePointer::Default);
  EXPECT_EQ(SendMessageA(form, WM_SETCURSOR, reinterpret_cast<WPARAM>(form), HTCLIENT), FALSE);
}

}  // namespace
