// Ambrelo.dll, as registered, placing and painting forms of our own runtime: centred and sized
// from the screen, the placement kept in the settings area from one load to the next, and the
// gradient read back from the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "automation_client.h"
#include "form.h"
#include "message_loop.h"
#include "ole/form_model.h"
#include "pump_messages.h"
#include "screen.h"
#include "settings_area.h"
#include "window_picture.h"

namespace {

using rt::ControlKind;
using test::PumpFor;

constexpr char kSection[] = "Ambrelo placement test";

// A form with nothing but the control, whose design values the test chooses.
class PlainForm : public rt::Form {
 public:
  PlainForm(const char* name, std::span<const rt::ControlDesign> controls) : rt::Form(name), controls_(controls) {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Placed";
    s.clientWidth = 6000;
    s.clientHeight = 3000;
    s.controls = controls_;
    return s;
  }

 private:
  std::span<const rt::ControlDesign> controls_;
};

constexpr rt::PropertyDesign kCentred[] = {{"CenterX", "True"}, {"CenterY", "True"}, {"ScaleX", "50"}};
constexpr rt::ControlDesign kCentredControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kCentred}};

constexpr rt::PropertyDesign kSaved[] = {{"SaveWindowState", "True"}, {"WindowName", kSection}};
constexpr rt::ControlDesign kSavedControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kSaved}};

// Blue at the top, black at the bottom, in 64 bands.
constexpr rt::PropertyDesign kGradient[] = {
    {"GradientFill", "True"}, {"GradientColour", "16711680"}, {"GradientColour2", "0"}, {"GradientSource", "0"}};
constexpr rt::ControlDesign kGradientControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kGradient}};

constexpr rt::PropertyDesign kWiped[] = {
    {"FormOpen", "2"}, {"FormOpenTime", "0.3"}, {"FormClose", "4"}, {"FormCloseTime", "0.1"}};
constexpr rt::ControlDesign kWipedControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kWiped}};

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

class AmbreloPlacementOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    rt::DeleteSettingSection("Ambrelo", kSection);
  }
  void TearDown() override {
    for (PlainForm* form : {&centred, &saved, &gradient, &wiped}) form->Unload();
    rt::CollectUnloadedForms();
    rt::DeleteSettingSection("Ambrelo", kSection);
  }
  PlainForm centred{"frmCentred", kCentredControls};
  PlainForm saved{"frmSaved", kSavedControls};
  PlainForm gradient{"frmGradient", kGradientControls};
  PlainForm wiped{"frmWiped", kWipedControls};
};

TEST_F(AmbreloPlacementOnForm, AFormOpensHalfTheScreenWideInTheMiddleOfIt) {
  centred.Show();
  PumpFor(100);
  RECT r = WindowRect(centred.hWnd());
  int screenWidth = rt::Screen().TwipsToPixelsX(rt::Screen().Width());
  int screenHeight = rt::Screen().TwipsToPixelsY(rt::Screen().Height());
  EXPECT_NEAR(r.right - r.left, screenWidth / 2, 1);
  EXPECT_NEAR(r.left, (screenWidth - (r.right - r.left)) / 2, 1);
  EXPECT_NEAR(r.top, (screenHeight - (r.bottom - r.top)) / 2, 1);
}

// The placement lives from one unload to the next load: written at unload, applied and deleted
// at load.
TEST_F(AmbreloPlacementOnForm, AFormOpensWhereItWasWhenItLastClosed) {
  saved.Show();
  PumpFor(100);
  SetWindowPos(saved.hWnd(), nullptr, 40, 50, 420, 260, SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(300);  // the control notes the normal placement every 100 ms
  ASSERT_TRUE(saved.Unload());
  rt::CollectUnloadedForms();
  const double tppX = rt::Screen().TwipsPerPixelX(), tppY = rt::Screen().TwipsPerPixelY();
  EXPECT_EQ(std::atof(rt::GetSetting("Ambrelo", kSection, "WindowLeft").c_str()), 40 * tppX);
  EXPECT_EQ(std::atof(rt::GetSetting("Ambrelo", kSection, "WindowWidth").c_str()), 420 * tppX);
  EXPECT_EQ(std::atof(rt::GetSetting("Ambrelo", kSection, "WindowHeight").c_str()), 260 * tppY);
  EXPECT_EQ(rt::GetSetting("Ambrelo", kSection, "WindowState"), "0");

  saved.Show();
  PumpFor(100);
  RECT r = WindowRect(saved.hWnd());
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 50);
  EXPECT_EQ(r.right - r.left, 420);
  EXPECT_EQ(r.bottom - r.top, 260);
  EXPECT_TRUE(IsWindowVisible(saved.hWnd()));
  EXPECT_EQ(rt::GetSetting("Ambrelo", kSection, "WindowState", "gone"), "gone");
}

TEST_F(AmbreloPlacementOnForm, TheGradientRunsFromBlueAtTheTopToBlackAtTheBottom) {
  gradient.Show();
  PumpFor(100);
  test::Picture picture = test::CaptureWindow(gradient.hWnd());
  ASSERT_GT(picture.height, 64);
  const int x = picture.width - 10;  // clear of the control's place
  auto blue = [&](int y) { return picture.At(x, y, 2); };
  EXPECT_EQ(picture.At(x, 0, 0), 0);
  EXPECT_EQ(picture.At(x, 0, 1), 0);
  EXPECT_GE(blue(0), 250);
  EXPECT_NEAR(blue(picture.height / 2), 128, 8);
  EXPECT_LE(blue(picture.height - 1), 8);
  for (int y = 1; y < picture.height; ++y) EXPECT_LE(blue(y), blue(y - 1)) << y;
}

// At run time the program's settings act at once: the painting is cleared with AutoRedraw as the
// form had it, and centring moves the form.
TEST_F(AmbreloPlacementOnForm, SettingsChangedAtRunTimeActOnTheForm) {
  gradient.Show();
  PumpFor(100);
  IDispatch* control = gradient.ObjectModel()->ObjectOf(*gradient.FindControl("Ambrelo1"));
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"GradientFill", test::VarBool(false)).hr);
  EXPECT_FALSE(gradient.AutoRedraw());
  test::Picture cleared = test::CaptureWindow(gradient.hWnd());
  EXPECT_LT(cleared.At(cleared.width - 10, 0, 2), 250);  // the blue band is gone

  SetWindowPos(gradient.hWnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"CenterX", test::VarBool(true)).hr);
  RECT r = WindowRect(gradient.hWnd());
  int screenWidth = rt::Screen().TwipsToPixelsX(rt::Screen().Width());
  EXPECT_NEAR(r.left, (screenWidth - (r.right - r.left)) / 2, 1);
  EXPECT_EQ(r.top, 0);

  auto topmost = [&] { return (GetWindowLongW(gradient.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"StayOnTop", test::VarBool(true)).hr);
  EXPECT_TRUE(topmost());
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"StayOnTop", test::VarBool(false)).hr);
  EXPECT_FALSE(topmost()) << "StayOnTop False must not leave the form above everything";
}

// Hidden behind an empty region from the moment the control binds it, the form is revealed by
// the effect and then shows whole, with no region left.
TEST_F(AmbreloPlacementOnForm, AfterItsOpenEffectTheFormShowsWhole) {
  wiped.Show();
  PumpFor(100);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(wiped.hWnd(), region), ERROR);  // no region of its own
  DeleteObject(region);
  EXPECT_TRUE(IsWindowVisible(wiped.hWnd()));
  EXPECT_TRUE(wiped.Unload());  // after its close effect
}

}  // namespace
