// The countdown windows for real: their window, labels and gradient, the count driven by the
// timers' own messages, ENTER held while they count, and the action at zero over the recording
// power adapter.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "../support/dib_canvas.h"
#include "../support/registry_fixture.h"
#include "../support/window_picture.h"
#include "app.h"
#include "form.h"
#include "form1.h"
#include "form2.h"
#include "frm_vb_hot_key.h"
#include "message_loop.h"
#include "os/recording_power.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"
#include "tray_front_end.h"
#include "vb_hot_key.h"

using namespace DozIzevodoz;
using tray::CountdownForm;
using tray::Form1;
using tray::Form2;

namespace {

const std::string kSettings = "Software\\Moxbel Software\\Tarnwick";
const std::string kHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";

// Lets the windows' own timers run for a while.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    rt::DoEvents();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

// Another window that tries ENTER: while a countdown holds it, it is refused.
class EnterProbe {
 public:
  EnterProbe() : window_(CreateWindowExA(0, "STATIC", "probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
  ~EnterProbe() { DestroyWindow(window_); }
  bool CanTake() {
    if (!RegisterHotKey(window_, 0x300, 0, VK_RETURN)) return false;
    UnregisterHotKey(window_, 0x300);
    return true;
  }
  bool Hold() { return RegisterHotKey(window_, 0x301, 0, VK_RETURN) != FALSE; }
  void Release() { UnregisterHotKey(window_, 0x301); }

 private:
  HWND window_;
};

class Countdown : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    ResetSharedState();
    SetFrontEnd(&frontEnd);
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
    test::SetText(kSettings, "RunTasks", "No");
  }
  void TearDown() override {
    probe.Release();
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SetFrontEnd(nullptr);
    test::DeleteKeyTree(kSettings);
    test::DeleteKeyTree(kHotKeys);
    ResetSharedState();
  }
  void Setting(const char* name, const char* value) { test::SetText(kSettings, name, value); }
  // The tray countdown counts for a request whose owner knows it is on screen; the command-line one
  // for the process's own action.
  void Arm(CountdownForm& form, int32_t code, const char* name, const char* caption) {
    ActionCode = code;
    ActionName = name;
    if (&form == &Form1()) {
      PendingPowerActions.Requested({code, name});
      PendingPowerActions.CountdownShown();
    }
    form.SetActionCaption(caption);
  }
  static rt::Label& Label(CountdownForm& form, const char* name) { return form.Ctl<rt::Label>(name); }
  static rt::Timer& Timer(CountdownForm& form, const char* name) { return form.Ctl<rt::Timer>(name); }
  // What the window's timer would deliver; a timer that is off does nothing with it.
  static void Tick(CountdownForm& form, const char* timer) {
    SendMessageA(form.hWnd(), WM_TIMER, Timer(form, timer).Id(), 0);
  }
  // One second: Timer1, then Timer2 half a second later.
  static void Second(CountdownForm& form) {
    Tick(form, "Timer1");
    if (form.IsLoaded()) Tick(form, "Timer2");
  }
  static void ClickAt(CountdownForm& form, int x, int y) {
    SendMessageA(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    if (form.IsLoaded()) SendMessageA(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }
  std::vector<std::string> Described() const {
    std::vector<std::string> d;
    for (const auto& c : power.calls) d.push_back(os::Describe(c));
    return d;
  }

  tray::TrayFrontEnd frontEnd;
  os::RecordingPower power;
  os::ScriptedMessageBoxes boxes;
  os::Install<os::Power> powerInstalled{&power};
  os::Install<os::MessageBoxes> boxesInstalled{&boxes};
  EnterProbe probe;
};

TEST_F(Countdown, WindowAndTextsFromTheSettings) {
  rt::App().Major = 2, rt::App().Minor = 1, rt::App().Revision = 7;
  Setting("Message", "Bye For Now");
  Setting("Font", "20");
  Setting("TimeOut", "9");
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  CountdownForm& form = Form1();

  ASSERT_TRUE(form.IsLoaded());
  EXPECT_FALSE(form.Visible());  // it shows at the first tick
  LONG_PTR style = GetWindowLongPtrA(form.hWnd(), GWL_STYLE), ex = GetWindowLongPtrA(form.hWnd(), GWL_EXSTYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_TRUE(style & WS_BORDER);
  EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW || GetWindow(form.hWnd(), GW_OWNER));
  RECT client;
  GetClientRect(form.hWnd(), &client);
  EXPECT_EQ(client.right, 420);
  EXPECT_EQ(client.bottom, 139);

  EXPECT_EQ(Label(form, "Label1").Caption(), "Bye For Now");
  EXPECT_EQ(Label(form, "Label2").Caption(), "Shutdown");
  EXPECT_EQ(Label(form, "Label3").Caption(), "9");
  EXPECT_EQ(Label(form, "Label5").Caption(), "Moxbel Tarnwick Plus v 2.1.7");
  for (const char* name : {"Label1", "Label2", "Label3"}) EXPECT_EQ(Label(form, name).FontSize(), 20) << name;
  EXPECT_FALSE(Label(form, "Label4").Visible());
  EXPECT_TRUE(Timer(form, "Timer1").Enabled());
  EXPECT_FALSE(Timer(form, "Timer2").Enabled());
  EXPECT_TRUE(boxes.shown.empty());
}

// The pyramid under the count, and as the window's icon.
TEST_F(Countdown, ThePyramidShowsUnderTheCount) {
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  CountdownForm& form = Form1();
  Tick(form, "Timer1");
  ASSERT_TRUE(form.Visible());
  test::Picture picture = test::CaptureWindow(form.hWnd());
  auto gold = [](int r, int g, int b) { return r > 120 && g > 80 && b < 80 && r > b + 60; };
  RECT image = form.FindControl("Image1")->PixelRect();
  EXPECT_GT(test::CountPixels(picture, image.left, image.top, 32, 32, gold), 200);
  EXPECT_EQ(test::CountPixels(picture, 0, 0, image.left, image.top, gold), 0);  // the gradient holds none
  EXPECT_TRUE(test::KeepPicture(picture, TARNWICK_ARTIFACT_DIR, "countdown-pyramid"));

  HICON icon = reinterpret_cast<HICON>(SendMessageA(form.hWnd(), WM_GETICON, ICON_BIG, 0));
  ASSERT_NE(icon, nullptr);
  const test::Picture drawn = test::DrawnIcon(icon, 32);
  EXPECT_GT(test::CountPixels(drawn, 0, 0, 32, 32, gold), 200) << "the window's icon is not the pyramid";
}

TEST_F(Countdown, BadSettingsFallBackSilently) {
  struct Case { const char* timeOut; const char* font; };
  const Case cases[] = {{"0", "big"}, {"-2", "0"}, {"abc", "500"}, {"40000", ""}};
  for (const Case& c : cases) {
    Setting("TimeOut", c.timeOut);
    Setting("Font", c.font);
    Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
    EXPECT_EQ(Label(Form1(), "Label3").Caption(), "5") << c.timeOut;
    EXPECT_EQ(Label(Form1(), "Label1").FontSize(), 32) << c.font;
    EXPECT_EQ(Label(Form1(), "Label1").Caption(), "Windows Will Now!");
    Form1().Unload();
  }
  EXPECT_TRUE(boxes.shown.empty());
  // The command line's seconds are checked the same way.
  Arm(Form2(), kShutDownCode, "Shut", "Shutdown");
  Form2().SetSeconds("0");
  EXPECT_EQ(Label(Form2(), "Label3").Caption(), "5");
  Form2().SetSeconds("3");
  EXPECT_EQ(Label(Form2(), "Label3").Caption(), "3");
}

namespace {

struct Rgb { int r, g, b; };
Rgb PixelOf(HDC dc, int x, int y) {
  COLORREF c = GetPixel(dc, x, y);
  return {GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace

TEST_F(Countdown, GradientBandsInThePersistentImage) {
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  ASSERT_EQ(Form1().ColourDepth(), 32);  // Xvfb at depth 24
  HDC dc = Form1().hDC();
  // Band 0 at the bottom and right edges, brighter towards the top left.
  Rgb corner = PixelOf(dc, 2, 2), top = PixelOf(dc, 100, 0), right = PixelOf(dc, 300, 0);
  EXPECT_EQ(corner.b, 136);
  EXPECT_EQ(corner.r + corner.g, 0);
  EXPECT_EQ(top.b, 138);
  EXPECT_EQ(right.b, 59);
  EXPECT_EQ(PixelOf(dc, 200, 138).b, 0);
  EXPECT_EQ(PixelOf(dc, 419, 10).b, 0);
  Form1().Unload();

  Setting("Color", "Red");
  Arm(Form2(), kShutDownCode, "Shut", "Shutdown");
  Rgb red = PixelOf(Form2().hDC(), 2, 2);
  EXPECT_EQ(red.r, 136);
  EXPECT_EQ(red.b, 0);
  Form2().Unload();

  Setting("Color", "Purple");
  Arm(Form2(), kShutDownCode, "Shut", "Shutdown");
  Rgb black = PixelOf(Form2().hDC(), 2, 2);
  EXPECT_EQ(black.r + black.g + black.b, 0);
}

TEST_F(Countdown, CountsEverySecondAndActsAtZeroWithEnterFree) {
  Setting("TimeOut", "3");
  Arm(Form1(), kRebootCode, "Boot", "Reboot");
  CountdownForm& form = Form1();
  EXPECT_TRUE(form.HoldsEnter());
  EXPECT_FALSE(probe.CanTake());

  Tick(form, "Timer2");  // off: nothing happens
  EXPECT_EQ(Label(form, "Label3").Caption(), "3");
  Tick(form, "Timer1");
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(Label(form, "Label3").Caption(), "2");
  EXPECT_FALSE(Timer(form, "Timer1").Enabled());
  EXPECT_TRUE(Timer(form, "Timer2").Enabled());
  Tick(form, "Timer1");  // off until Timer2 has ticked
  EXPECT_EQ(Label(form, "Label3").Caption(), "2");
  Tick(form, "Timer2");
  Second(form);
  EXPECT_EQ(Label(form, "Label3").Caption(), "1");
  EXPECT_TRUE(power.calls.empty());

  Tick(form, "Timer1");
  EXPECT_EQ(Described(), (std::vector<std::string>{"ExitWindowsEx 2"}));
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_FALSE(form.HoldsEnter());
  EXPECT_TRUE(probe.CanTake());
}

TEST_F(Countdown, EnterIsFreeWhileTheEngineRunsTasks) {
  Setting("TimeOut", "1");
  bool enterFreeAtTheAction = false;
  // The recording adapter is reached only after the tasks; the tasks' turn is just before it.
  struct Watch : os::Power {
    EnterProbe* probe;
    bool* freeAtCall;
    os::RecordingPower* record;
    bool EndSession(UINT f, DWORD r, DWORD& e) override {
      *freeAtCall = probe->CanTake();
      return record->EndSession(f, r, e);
    }
    bool SetSystemPowerState(bool s, bool f, DWORD& e) override { return record->SetSystemPowerState(s, f, e); }
  } watch;
  watch.probe = &probe;
  watch.freeAtCall = &enterFreeAtTheAction;
  watch.record = &power;
  os::Install<os::Power> watching{&watch};
  for (CountdownForm* form : {&Form1(), &Form2()}) {
    enterFreeAtTheAction = false;
    Arm(*form, kShutDownCode, "Shut", "Shutdown");
    ASSERT_FALSE(probe.CanTake());
    Tick(*form, "Timer1");
    EXPECT_TRUE(enterFreeAtTheAction) << form->Name();
  }
  EXPECT_EQ(Described(), (std::vector<std::string>{"ExitWindowsEx 1", "ExitWindowsEx 1"}));
  EXPECT_TRUE(CommandLineMode);
}

TEST_F(Countdown, RunTasksLineFollowsTheCaption) {
  Setting("TimeOut", "5");
  Arm(Form1(), kRebootCode, "Boot", "Run Tasks");
  Second(Form1());
  EXPECT_TRUE(Label(Form1(), "Label4").Visible());
  EXPECT_EQ(Label(Form1(), "Label4").Caption(), "Before Rebooting");

  // A second request while counting: the new caption, the schedule kept, the stale line gone.
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  EXPECT_FALSE(Label(Form1(), "Label4").Visible());
  Second(Form1());
  EXPECT_EQ(Label(Form1(), "Label3").Caption(), "3");
  EXPECT_FALSE(Label(Form1(), "Label4").Visible());

  // "Run Tasks" with no action name still counts.
  Arm(Form1(), kShutDownCode, "", "Run Tasks");
  Second(Form1());
  EXPECT_EQ(Label(Form1(), "Label3").Caption(), "2");
  EXPECT_FALSE(Label(Form1(), "Label4").Visible());
}

TEST_F(Countdown, ClickOnTheBareWindowOrEnterCancels) {
  for (CountdownForm* form : {&Form1(), &Form2()}) {
    Arm(*form, kShutDownCode, "Shut", "Shutdown");
    Second(*form);
    ClickAt(*form, 30, 65);  // on Label3: a label swallows the click
    ASSERT_TRUE(form->IsLoaded()) << form->Name();
    ClickAt(*form, 113, 70);
    EXPECT_FALSE(form->IsLoaded()) << form->Name();
    EXPECT_TRUE(probe.CanTake()) << form->Name();
  }
  // ENTER reaches the window as hot key 9; the window of the current mode goes.
  CommandLineMode = false;
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  EXPECT_EQ(SendMessageA(Form1().hWnd(), WM_HOTKEY, 9, 0), 1);
  EXPECT_FALSE(Form1().IsLoaded());
  EXPECT_FALSE(Form1().HoldsEnter());
  // A stray 9 with no countdown loads none.
  CommandLineMode = true;
  frontEnd.CancelCountdown(true);
  frontEnd.CancelCountdown(false);
  EXPECT_FALSE(Form1().IsLoaded());
  EXPECT_FALSE(Form2().IsLoaded());
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(Countdown, EnterHeldElsewhereIsReportedAndTheCountGoesOn) {
  ASSERT_TRUE(probe.Hold());
  Setting("TimeOut", "2");
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text,
            "Can not register all or one of the hotkeys  ... Try other keys this key is already registered by "
            "some other running applications.");
  EXPECT_EQ(boxes.shown[0].title, "Tarnwick");
  EXPECT_FALSE(Form1().HoldsEnter());
  Second(Form1());
  Tick(Form1(), "Timer1");
  EXPECT_EQ(Described(), (std::vector<std::string>{"ExitWindowsEx 1"}));
}

TEST_F(Countdown, EachWindowKeepsItsOwnEnterFlag) {
  // The hot-key window holds CTRL+ALT+ENTER as id 9, from a value naming "VK_ENTER".
  test::SetText(kHotKeys, "5", "VK_ENTER");
  frmvbHotKey().Load();
  ASSERT_TRUE(HotKeyRegistered[9]);
  for (CountdownForm* form : {&Form1(), &Form2()}) {
    Arm(*form, kShutDownCode, "Shut", "Shutdown");
    EXPECT_TRUE(form->HoldsEnter()) << form->Name();
    form->Cancel();
    EXPECT_FALSE(form->HoldsEnter()) << form->Name();
    EXPECT_TRUE(HotKeyRegistered[9]) << form->Name();
  }
  // The hot-key window still knows its key, and gives it back when it goes.
  HWND probeWindow = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  EXPECT_FALSE(RegisterHotKey(probeWindow, 0x302, MOD_CONTROL | MOD_ALT, VK_RETURN));
  frmvbHotKey().Unload();
  EXPECT_FALSE(HotKeyRegistered[9]);
  EXPECT_TRUE(RegisterHotKey(probeWindow, 0x302, MOD_CONTROL | MOD_ALT, VK_RETURN));
  DestroyWindow(probeWindow);
}

TEST_F(Countdown, TheExitQuestionPausesTheCountAndEitherAnswerEndsIt) {
  Setting("TimeOut", "2");
  for (int answer : {IDCANCEL, IDOK}) {
    rt::SetQuitting(false);
    frmvbHotKey().Load();
    Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
    std::string counterWhileAsked;
    bool shownWhileAsked = true;
    boxes.answers = {answer};
    boxes.whileShown = [&](const os::ShownBox&) {
      // Longer than the whole count: running timers would have started the action by now.
      PumpFor(2500);
      counterWhileAsked = Label(Form1(), "Label3").Caption();
      shownWhileAsked = Form1().Visible();
    };
    vbHotKey::DoFunctions(7);
    boxes.whileShown = nullptr;
    EXPECT_EQ(counterWhileAsked, "2") << answer;
    EXPECT_FALSE(shownWhileAsked) << answer;
    EXPECT_FALSE(Form1().IsLoaded()) << answer;
    EXPECT_EQ(frmvbHotKey().IsLoaded(), answer == IDCANCEL) << answer;
  }
  PumpFor(1500);
  EXPECT_TRUE(power.calls.empty());
}

TEST_F(Countdown, AFailingLoadStatementIsReportedAndTheCountStartsAllTheSame) {
  ASSERT_TRUE(probe.Hold());  // so the load shows its ENTER message, which fails here
  Setting("TimeOut", "3");
  boxes.whileShown = [](const os::ShownBox& box) {
    if (box.title != "Application Error") throw std::runtime_error("The box could not be shown");
  };
  Arm(Form1(), kShutDownCode, "Shut", "Shutdown");
  boxes.whileShown = nullptr;
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[1].title, "Application Error");
  EXPECT_NE(boxes.shown[1].text.find(".Form1.Form_Load "), std::string::npos) << boxes.shown[1].text;
  EXPECT_EQ(Label(Form1(), "Label3").Caption(), "3");
  EXPECT_EQ(Label(Form1(), "Label1").Caption(), "Windows Will Now!");
  EXPECT_TRUE(Timer(Form1(), "Timer1").Enabled());
}

}  // namespace
