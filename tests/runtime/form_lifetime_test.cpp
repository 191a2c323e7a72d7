#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "form.h"
#include "error_report.h"
#include "message_loop.h"
#include "sample_form.h"

namespace {

// A form whose events are set by each test.
class ProbeForm : public rt::Form {
 public:
  explicit ProbeForm(const char* name) : rt::Form(name) {}
  std::function<void()> onLoad;
  std::function<void(int&)> onUnload;
  std::function<void(WPARAM)> onTimer;
  int loads = 0, unloads = 0;

 protected:
  void Form_Load() override {
    ++loads;
    if (onLoad) onLoad();
  }
  void Form_Unload(int& cancel) override {
    ++unloads;
    if (onUnload) onUnload(cancel);
  }
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override {
    if (message != WM_TIMER || !onTimer) return false;
    onTimer(wParam);
    result = 0;
    return true;
  }
};

// Sends a message to a window from another thread, as the shell sends its tray callback or another
// program a click: the message is handled inside this thread's GetMessage, which returns only for a
// posted message. Tells whether the waiting loop ended by itself or had to be woken from outside.
class SentFromElsewhere {
 public:
  SentFromElsewhere(HWND window, UINT message, WPARAM wParam)
      : waiter_(GetCurrentThreadId()), thread_([this, window, message, wParam] { Run(window, message, wParam); }) {}
  ~SentFromElsewhere() {
    returned_ = true;
    thread_.join();
  }
  // The caller's loop has returned.
  void Returned() { returned_ = true; }
  bool NeededWaking() const { return woken_; }

 private:
  void Run(HWND window, UINT message, WPARAM wParam) {
    for (int i = 0; i < 500 && !IsWindowVisible(window) && !returned_; ++i) Sleep(10);
    SendMessageA(window, message, wParam, 0);
    for (int i = 0; i < 300 && !returned_; ++i) Sleep(10);
    // Still waiting three seconds later: wake it from outside, so that the test fails, not hangs.
    while (!returned_) {
      woken_ = true;
      PostThreadMessageA(waiter_, WM_NULL, 0, 0);
      Sleep(50);
    }
  }
  DWORD waiter_;
  std::atomic<bool> returned_{false}, woken_{false};
  std::thread thread_;
};

class FormLifetime : public ::testing::Test {
 protected:
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
  }
};

TEST_F(FormLifetime, LoadsOnFirstUseAndBuildsAFreshWindowAfterUnload) {
  ProbeForm form("frmProbe");
  EXPECT_FALSE(form.IsLoaded());
  HWND first = form.hWnd();
  ASSERT_TRUE(IsWindow(first));
  EXPECT_EQ(form.loads, 1);
  EXPECT_EQ(rt::Forms::Find("FRMPROBE"), &form);
  EXPECT_FALSE(form.Visible());  // loading does not show

  EXPECT_TRUE(form.Unload());
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(rt::Forms::Count(), 0u);
  form.Unload();  // unloading what is not loaded does nothing
  form.Hide();
  EXPECT_EQ(form.unloads, 1);

  EXPECT_TRUE(IsWindow(form.hWnd()));
  EXPECT_EQ(form.loads, 2);
}

TEST_F(FormLifetime, UnloadCanBeCancelled) {
  ProbeForm form("frmStays");
  form.onUnload = [](int& cancel) { cancel = 1; };
  form.Load();
  EXPECT_FALSE(form.Unload());
  EXPECT_TRUE(form.IsLoaded());
  form.onUnload = nullptr;
}

TEST_F(FormLifetime, TheLoopEndsWhenAFormUnloadsItselfInItsOwnTimer) {
  ProbeForm form("frmTicker");
  int ticks = 0;
  form.onTimer = [&](WPARAM id) {
    if (++ticks == 3) {
      KillTimer(form.hWnd(), id);
      form.Unload();  // inside its own handler: the window goes, the object stays
    }
  };
  form.Load();
  SetTimer(form.hWnd(), 1, 10, nullptr);
  EXPECT_EQ(rt::RunMessageLoop(), 0);
  EXPECT_EQ(ticks, 3);  // a hidden form kept the loop alive until then
  EXPECT_FALSE(form.IsLoaded());
}

TEST_F(FormLifetime, UnloadAllLeavesNoFormEvenWhenAnUnloadLoadsAnother) {
  ProbeForm late("frmLate");
  ProbeForm first("frmFirst");
  ProbeForm second("frmSecond");
  second.onUnload = [&](int&) { late.Load(); };  // refused: the program is quitting
  first.Load();
  second.Load();
  rt::Forms::UnloadAll();
  EXPECT_EQ(rt::Forms::Count(), 0u);
  EXPECT_EQ(late.loads, 0);
  EXPECT_TRUE(rt::Quitting());
}

TEST_F(FormLifetime, AControlTimerMayUnloadItsFormAndTheLoopThenEnds) {
  test::SampleForm& form = test::frmSample();
  int ticks = 0;
  form.onTimer = [&](rt::Timer& timer) {
    if (++ticks < 2) return;
    form.Unload();
    timer.SetInterval(10);  // the timer object is still there; its window is gone, so nothing runs
  };
  form.tmrTick().SetEnabled(true);
  EXPECT_EQ(rt::RunMessageLoop(), 0);
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(form.IsLoaded());
  form.onTimer = nullptr;
}

TEST_F(FormLifetime, AnUnloadDuringANestedDoEventsLeavesTheCallerItsControls) {
  ProbeForm other("frmOther");
  other.Load();
  test::SampleForm& form = test::frmSample();
  form.Load();
  std::string caption;
  form.onClick = [&](rt::Control&) {
    rt::Label& label = form.lblHello();
    PostMessageA(other.hWnd(), WM_TIMER, 99, 0);  // its handler unloads the sample form
    rt::DoEvents();
    caption = label.Caption();  // still a live object, although its form is gone
  };
  other.onTimer = [&](WPARAM) { form.Unload(); };
  form.cmdGo().Click();
  EXPECT_FALSE(form.IsLoaded());
  EXPECT_EQ(caption, "Hello");
  form.onClick = nullptr;
  EXPECT_TRUE(IsWindow(form.hWnd()));  // a later use builds a fresh window
  EXPECT_EQ(form.lblHello().Caption(), "Hello");
}

TEST_F(FormLifetime, AModalFormDisablesTheOthersUntilItIsHidden) {
  ProbeForm other("frmOther");
  other.Load();
  test::SampleForm& form = test::frmSample();
  bool otherWasEnabled = true;
  form.onTimer = [&](rt::Timer& timer) {
    otherWasEnabled = IsWindowEnabled(other.hWnd()) != FALSE;
    timer.SetEnabled(false);
    form.Hide();
  };
  form.onLoad = [&] { form.tmrTick().SetEnabled(true); };
  form.Show(rt::ShowMode::Modal);  // returns once the timer has hidden it
  EXPECT_FALSE(otherWasEnabled);
  EXPECT_TRUE(IsWindowEnabled(other.hWnd()));
  EXPECT_TRUE(form.IsLoaded());
  form.onTimer = nullptr;
  form.onLoad = nullptr;
}

TEST_F(FormLifetime, TheLoopEndsWhenTheLastFormUnloadsInsideAMessageSentFromElsewhere) {
  struct Case {
    const char* how;
    UINT message;  // WM_CLOSE unloads; WM_TIMER runs the form's handler
  };
  for (const Case& c : {Case{"unloaded", WM_CLOSE}, Case{"unloaded inside a loop of the handler's", WM_TIMER}}) {
    SCOPED_TRACE(c.how);
    ProbeForm form("frmTray");
    // A loop of the system's (a menu's, a message box's) inside the sent message: the form goes
    // while it runs, and it takes every posted message, a wake among them.
    form.onTimer = [&](WPARAM) {
      PostMessageA(form.hWnd(), WM_CLOSE, 0, 0);
      MSG msg;
      while (form.IsLoaded() && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    };
    form.Load();
    ShowWindow(form.hWnd(), SW_SHOWNA);
    SentFromElsewhere exit(form.hWnd(), c.message, 1);
    EXPECT_EQ(rt::RunMessageLoop(), 0);
    exit.Returned();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_FALSE(exit.NeededWaking());
    form.onTimer = nullptr;
  }
}

TEST_F(FormLifetime, AModalShowReturnsWhenItsFormGoesInsideAMessageSentFromElsewhere) {
  struct Case {
    const char* how;
    UINT message;  // WM_CLOSE unloads; WM_TIMER runs the form's handler, which hides it
  };
  for (const Case& c : {Case{"unloaded", WM_CLOSE}, Case{"hidden", WM_TIMER}}) {
    SCOPED_TRACE(c.how);
    ProbeForm form("frmBox");
    form.onTimer = [&](WPARAM) { form.Hide(); };
    form.Load();
    SentFromElsewhere click(form.hWnd(), c.message, 1);
    form.Show(rt::ShowMode::Modal);
    click.Returned();
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(click.NeededWaking());
    form.onTimer = nullptr;
    form.Unload();
  }
}

TEST_F(FormLifetime, NothingLoadsWhileTheProgramQuits) {
  rt::SetQuitting(true);
  test::SampleForm& form = test::frmSample();
  EXPECT_EQ(form.hWnd(), nullptr);
  EXPECT_EQ(form.FindControl("lblHello"), nullptr);
  EXPECT_THROW(form.lblHello(), rt::Failure);
}

TEST_F(FormLifetime, DoEventsHandsQuitBackToTheOuterLoop) {
  PostQuitMessage(7);
  rt::DoEvents();
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
