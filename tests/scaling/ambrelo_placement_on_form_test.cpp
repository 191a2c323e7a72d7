// Ambrelo.dll, as registered, placing and painting forms of our own runtime: centred and sized
// from the screen, the placement kept in the settings area from one load to the next, and the
// gradient read back from the screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "automation_client.h"
#include "controls.h"
#include "form.h"
#include "message_loop.h"
#include "ole/design_property_bag.h"
#include "ole/form_model.h"
#include "ole/object_model_types.h"
#include "pump_messages.h"
#include "screen.h"
#include "settings_area.h"
#include "text_encoding.h"
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

// A name of nothing but a backslash: its section must not be the application's whole key.
constexpr rt::PropertyDesign kBackslash[] = {{"WindowName", "\\"}};
constexpr rt::ControlDesign kBackslashControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kBackslash}};

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

constexpr rt::PropertyDesign kLongOpen[] = {{"FormOpen", "2"}, {"FormOpenTime", "1"}};
constexpr rt::ControlDesign kLongOpenControls[] = {
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 120, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kLongOpen}};

// The sinks advised on the form's events; those that answer for the events' own IID, as a strict
// connection point asks, are counted in strict.
size_t FormEventSinks(rt::Form& form, size_t* strict = nullptr) {
  rt::ComPtr<IConnectionPointContainer> container;
  rt::ComPtr<IConnectionPoint> point;
  rt::ComPtr<IEnumConnections> connections;
  if (FAILED(form.ObjectModel()->FormDispatch()->QueryInterface(IID_IConnectionPointContainer,
                                                                container.put_void())) ||
      FAILED(container->FindConnectionPoint(rt::ole::DIID_FormEvents, point.put())) ||
      FAILED(point->EnumConnections(connections.put())))
    return 0;
  size_t n = 0;
  CONNECTDATA data;
  while (connections->Next(1, &data, nullptr) == S_OK) {
    ++n;
    rt::ComPtr<IUnknown> events;
    if (strict && SUCCEEDED(data.pUnk->QueryInterface(rt::ole::DIID_FormEvents, events.put_void()))) ++*strict;
    data.pUnk->Release();
  }
  return n;
}

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
    for (PlainForm* form : {&centred, &saved, &gradient, &wiped, &slow, &backslash}) form->Unload();
    rt::CollectUnloadedForms();
    rt::DeleteSettingSection("Ambrelo", kSection);
  }
  PlainForm centred{"frmCentred", kCentredControls};
  PlainForm saved{"frmSaved", kSavedControls};
  PlainForm gradient{"frmGradient", kGradientControls};
  PlainForm wiped{"frmWiped", kWipedControls};
  PlainForm slow{"frmSlow", kLongOpenControls};
  PlainForm backslash{"frmBackslash", kBackslashControls};
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

// Saved on a monitor that is gone: the form keeps its size and comes back on the one there is.
TEST_F(AmbreloPlacementOnForm, AFormSavedOffEveryMonitorOpensOnTheNearestWithItsSize) {
  const double tppX = rt::Screen().TwipsPerPixelX(), tppY = rt::Screen().TwipsPerPixelY();
  auto twips = [](int pixels, double tpp) { return std::to_string(pixels * tpp); };
  rt::SaveSetting("Ambrelo", kSection, "WindowLeft", twips(20000, tppX));
  rt::SaveSetting("Ambrelo", kSection, "WindowTop", twips(15000, tppY));
  rt::SaveSetting("Ambrelo", kSection, "WindowWidth", twips(420, tppX));
  rt::SaveSetting("Ambrelo", kSection, "WindowHeight", twips(260, tppY));
  rt::SaveSetting("Ambrelo", kSection, "WindowState", "0");

  saved.Show();
  PumpFor(100);
  RECT r = WindowRect(saved.hWnd());
  EXPECT_EQ(r.right - r.left, 420);
  EXPECT_EQ(r.bottom - r.top, 260);
  HMONITOR monitor = MonitorFromRect(&r, MONITOR_DEFAULTTONULL);
  ASSERT_NE(monitor, nullptr) << "the form must open where it can be seen";
  MONITORINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetMonitorInfoA(monitor, &info));
  EXPECT_NEAR(r.left - info.rcWork.left, info.rcWork.right - r.right, 1) << "centred on the work area";
  EXPECT_NEAR(r.top - info.rcWork.top, info.rcWork.bottom - r.bottom, 1);
  EXPECT_EQ(rt::GetSetting("Ambrelo", kSection, "WindowLeft", "gone"), "gone");
}

// Without SaveWindowState the form's own saved placement is dropped, and only that.
TEST_F(AmbreloPlacementOnForm, DroppingAPlacementNamedWithABackslashLeavesOtherFormsTheirs) {
  rt::SaveSetting("Ambrelo", kSection, "WindowLeft", "1234");
  backslash.Show();
  PumpFor(100);
  EXPECT_EQ(rt::GetSetting("Ambrelo", kSection, "WindowLeft"), "1234");
}

// The user closes the form while its open effect plays: the form goes, the control with it once
// the effect has let go, and nothing acts on either afterwards.
HWND closeTarget = nullptr;
void CALLBACK CloseTheTarget(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageA(closeTarget, WM_CLOSE, 0, 0);
}

void CALLBACK PostQuit(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostQuitMessage(7);
}

TEST_F(AmbreloPlacementOnForm, AFormClosedDuringItsOpenEffectGoesQuietly) {
  slow.Load();
  closeTarget = slow.hWnd();
  UINT_PTR timer = SetTimer(nullptr, 0, 200, &CloseTheTarget);
  ASSERT_NE(timer, 0u);
  slow.Show();
  PumpFor(300);
  EXPECT_FALSE(IsWindow(closeTarget));
  EXPECT_FALSE(slow.IsLoaded());
  rt::CollectUnloadedForms();
  PumpFor(200);  // the control's timers, were any left, would tick now
}

// A program that ends while an effect plays still ends: the quit is left for its own loop.
TEST_F(AmbreloPlacementOnForm, AQuitDuringAnEffectReachesTheProgramsLoop) {
  UINT_PTR timer = SetTimer(nullptr, 0, 50, &PostQuit);
  ASSERT_NE(timer, 0u);
  slow.Show();
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_TRUE(IsWindowVisible(slow.hWnd()));
}

// Loading the control's values again binds it to the form afresh, not a second time.
TEST_F(AmbreloPlacementOnForm, ASecondLoadFollowsTheFormOnce) {
  centred.Show();
  PumpFor(100);
  size_t strict = 0;
  const size_t sinks = FormEventSinks(centred, &strict);
  ASSERT_GE(sinks, 1u);
  EXPECT_EQ(strict, sinks) << "the control's sink answers for the form's events interface";
  IDispatch* control = static_cast<rt::OleControl*>(centred.FindControl("Ambrelo1"))->Object();
  rt::ComPtr<IPersistPropertyBag> persist;
  ASSERT_HRESULT_SUCCEEDED(control->QueryInterface(IID_IPersistPropertyBag, persist.put_void()));
  rt::ComPtr<rt::ole::DesignPropertyBag> bag;
  bag.reset(rt::ole::NewComObject<rt::ole::DesignPropertyBag>(std::span<const rt::PropertyDesign>(kCentred)));
  ASSERT_HRESULT_SUCCEEDED(persist->Load(bag.get(), nullptr));
  EXPECT_EQ(FormEventSinks(centred), sinks);
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

// Each of the gradient's settings set at run time paints the form again with it.
TEST_F(AmbreloPlacementOnForm, EachGradientSettingSetAtRunTimeRepaintsTheForm) {
  gradient.Show();
  PumpFor(100);
  IDispatch* control = gradient.ObjectModel()->ObjectOf(*gradient.FindControl("Ambrelo1"));
  struct Pixel {
    int r, g, b;
  };
  auto pixel = [&](const test::Picture& p, int x, int y) { return Pixel{p.At(x, y, 0), p.At(x, y, 1), p.At(x, y, 2)}; };
  struct Case {
    const wchar_t* property;
    LONG value;
    std::function<void(const test::Picture&, int right, int bottom)> check;
  } cases[] = {
      {L"GradientColour", 0x0000FF,  // red at the top
       [&](const test::Picture& p, int right, int) {
         Pixel top = pixel(p, right, 0);
         EXPECT_GE(top.r, 250);
         EXPECT_LE(top.b, 8);
       }},
      {L"GradientColour2", 0x00FF00,  // to green at the bottom
       [&](const test::Picture& p, int right, int bottom) {
         Pixel low = pixel(p, right, bottom);
         EXPECT_GE(low.g, 240);
         EXPECT_LE(low.r, 12);
       }},
      {L"GradientMidColour", 0xFF0000,  // through blue in the middle
       [&](const test::Picture& p, int right, int bottom) { EXPECT_GE(pixel(p, right, bottom / 2).b, 240); }},
      {L"GradientSource", 1,  // from the bottom
       [&](const test::Picture& p, int right, int bottom) {
         EXPECT_GE(pixel(p, right, 0).g, 240);
         EXPECT_GE(pixel(p, right, bottom).r, 240);
       }},
      {L"GradientType", 1,  // rings around the bottom's middle
       [&](const test::Picture& p, int, int bottom) {
         EXPECT_GE(pixel(p, p.width / 2, bottom).r, 200);
         EXPECT_GE(pixel(p, 0, bottom).b, 128) << "the corner lies further out";
       }},
  };
  for (const Case& c : cases) {
    ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, c.property, test::VarLong(c.value)).hr)
        << rt::Utf8FromWide(c.property);
    test::Picture p = test::CaptureWindow(gradient.hWnd());
    ASSERT_GT(p.height, 64);
    SCOPED_TRACE(rt::Utf8FromWide(c.property));
    c.check(p, p.width - 10, p.height - 1);
  }
}

// The screen shares set at run time size the form from the screen and centre it along their axis.
TEST_F(AmbreloPlacementOnForm, ScreenSharesSetAtRunTimeSizeAndCentreTheForm) {
  centred.Show();
  PumpFor(100);
  IDispatch* control = centred.ObjectModel()->ObjectOf(*centred.FindControl("Ambrelo1"));
  int screenWidth = rt::Screen().TwipsToPixelsX(rt::Screen().Width());
  int screenHeight = rt::Screen().TwipsToPixelsY(rt::Screen().Height());
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"ScaleX", test::VarLong(25)).hr);
  RECT r = WindowRect(centred.hWnd());
  EXPECT_NEAR(r.right - r.left, screenWidth / 4, 1);
  EXPECT_NEAR(r.left, (screenWidth - (r.right - r.left)) / 2, 1);
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"ScaleY", test::VarLong(50)).hr);
  r = WindowRect(centred.hWnd());
  EXPECT_NEAR(r.bottom - r.top, screenHeight / 2, 1);
  EXPECT_NEAR(r.top, (screenHeight - (r.bottom - r.top)) / 2, 1);
  EXPECT_NEAR(r.right - r.left, screenWidth / 4, 1) << "the width stays";
  ASSERT_HRESULT_SUCCEEDED(test::LatePut(control, L"ScaleX", test::VarLong(150)).hr);
  EXPECT_EQ(test::NumberOf(test::LateGet(control, L"ScaleX")), 100) << "held to the whole screen";
  r = WindowRect(centred.hWnd());
  EXPECT_NEAR(r.right - r.left, screenWidth, 1);
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
