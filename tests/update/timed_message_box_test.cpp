#include "timed_message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Watches the real box from inside its own message loop: a hook sees every text the box's
// static is given (the last one, "0", comes just before the automatic click), and a thread timer
// reads the caption of the visible button and can click it as a user would.
struct BoxWatcher {
  std::vector<std::string> texts;
  std::string buttonCaption;
  bool clickAtOnce = false;
  UINT_PTR timer = 0;
  HHOOK hook = nullptr;

  static BoxWatcher*& Current() {
    static BoxWatcher* current = nullptr;
    return current;
  }
  BoxWatcher() {
    Current() = this;
    timer = SetTimer(nullptr, 0, 30, Tick);
    hook = SetWindowsHookExA(WH_CALLWNDPROCRET, TextSet, nullptr, GetCurrentThreadId());
  }
  ~BoxWatcher() {
    UnhookWindowsHookEx(hook);
    KillTimer(nullptr, timer);
    Current() = nullptr;
  }

  static bool IsClass(HWND hwnd, const char* name) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return _stricmp(cls, name) == 0;
  }
  static std::string TextOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }
  static bool InBox(HWND hwnd) {
    HWND parent = GetParent(hwnd);
    return parent && IsClass(parent, "#32770");
  }
  static LRESULT CALLBACK TextSet(int code, WPARAM wParam, LPARAM lParam) {
    auto* m = reinterpret_cast<CWPRETSTRUCT*>(lParam);
    BoxWatcher* w = Current();
    if (code == HC_ACTION && w && m->message == WM_SETTEXT && InBox(m->hwnd) && IsClass(m->hwnd, "Static") &&
        (GetWindowLongA(m->hwnd, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
      std::string text = TextOf(m->hwnd);
      if (w->texts.empty() || w->texts.back() != text) w->texts.push_back(text);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static BOOL CALLBACK ReadBox(HWND box, LPARAM p) {
    if (!IsClass(box, "#32770") || !IsWindowVisible(box)) return TRUE;
    auto* w = reinterpret_cast<BoxWatcher*>(p);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child) || !IsClass(child, "Button")) continue;
      w->buttonCaption = TextOf(child);
      if (w->clickAtOnce) PostMessageA(child, BM_CLICK, 0, 0);
    }
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (BoxWatcher* w = Current()) EnumThreadWindows(GetCurrentThreadId(), ReadBox, reinterpret_cast<LPARAM>(w));
  }
};

TimedMessageBox::MsgBoxData Record(const std::string& prompt, long seconds) {
  TimedMessageBox::MsgBoxData record;
  record.Title = TimedMessageBox::kSingleButtonTitle;
  record.Style = MB_ICONINFORMATION;
  record.UseTimer = true;
  record.Timeout = seconds;
  record.Prompt = prompt;
  return record;
}

TEST(TimedMessageBox, CountsDownEveryMarkerAndClosesItself) {
  BoxWatcher watcher;
  auto record = Record("a %T b %T", 2);
  EXPECT_EQ(TimedMessageBox::TimedMessageBoxH(record), IDOK);
  EXPECT_EQ(watcher.texts, (std::vector<std::string>{"a 2 b 2", "a 1 b 1", "a 0 b 0"}));
  EXPECT_EQ(record.Count, 2);
}

TEST(TimedMessageBox, RelabelsTheVisibleButtonOnlyInSingleButtonMode) {
  {
    BoxWatcher watcher;
    TimedMessageBox::SingleButtonMode = true;
    TimedMessageBox::Button1Caption = "Fine";
    TimedMessageBox::MsgText = "left over";
    auto record = Record("no marker", 1);
    TimedMessageBox::TimedMessageBoxH(record);
    EXPECT_EQ(watcher.buttonCaption, "Fine");
    EXPECT_EQ(watcher.texts.front(), "no marker");
    EXPECT_FALSE(TimedMessageBox::SingleButtonMode);
    EXPECT_EQ(TimedMessageBox::Button1Caption, "");
    EXPECT_EQ(TimedMessageBox::MsgText, "");
  }
  BoxWatcher watcher;
  TimedMessageBox::Button1Caption = "Fine";
  auto record = Record("plain", 1);
  TimedMessageBox::TimedMessageBoxH(record);
  EXPECT_EQ(watcher.buttonCaption, "OK");
}

TEST(TimedMessageBox, AUserClickEndsItAndTheNextBoxStillClosesItself) {
  {
    BoxWatcher watcher;
    watcher.clickAtOnce = true;
    auto record = Record("%T", 3);
    EXPECT_EQ(TimedMessageBox::TimedMessageBoxH(record), IDOK);
    EXPECT_EQ(record.Count, 0);  // closed before the first tick, and no tick came afterwards
  }
  MSG msg;
  Sleep(1100);
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  BoxWatcher watcher;
  auto record = Record("again %T", 1);
  EXPECT_EQ(TimedMessageBox::TimedMessageBoxH(record), IDOK);
  EXPECT_EQ(watcher.texts, (std::vector<std::string>{"again 1", "again 0"}));
}

// A second box shown while the first is up (from a handler its message loop runs): each counts
// down and closes by itself. Should one fail to, a rescue clicks it after eight seconds.
struct NestedBoxes {
  static inline TimedMessageBox::MsgBoxData* inner = nullptr;
  static inline bool innerShown = false;
  static inline bool rescued = false;
  static BOOL CALLBACK ClickBox(HWND box, LPARAM) {
    if (!BoxWatcher::IsClass(box, "#32770") || !IsWindowVisible(box)) return TRUE;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child) && BoxWatcher::IsClass(child, "Button")) PostMessageA(child, BM_CLICK, 0, 0);
    rescued = true;
    return TRUE;
  }
  static void CALLBACK ShowInner(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (innerShown) return;
    innerShown = true;
    TimedMessageBox::TimedMessageBoxH(*inner);
  }
  static void CALLBACK Rescue(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), ClickBox, 0); }
};

TEST(TimedMessageBox, ABoxShownWhileAnotherIsUpLeavesTheFirstCounting) {
  BoxWatcher watcher;
  auto outer = Record("outer %T", 3);
  auto inner = Record("inner %T", 1);
  NestedBoxes::inner = &inner;
  NestedBoxes::innerShown = NestedBoxes::rescued = false;
  UINT_PTR show = SetTimer(nullptr, 0, 300, NestedBoxes::ShowInner);
  UINT_PTR rescue = SetTimer(nullptr, 0, 8000, NestedBoxes::Rescue);
  EXPECT_EQ(TimedMessageBox::TimedMessageBoxH(outer), IDOK);
  KillTimer(nullptr, rescue);
  KillTimer(nullptr, show);
  EXPECT_TRUE(NestedBoxes::innerShown);
  EXPECT_FALSE(NestedBoxes::rescued);
  EXPECT_EQ(inner.Count, 1);
  EXPECT_EQ(outer.Count, 3);
  for (const char* shown : {"inner 0", "outer 1", "outer 0"})
    EXPECT_NE(std::find(watcher.texts.begin(), watcher.texts.end(), shown), watcher.texts.end()) << shown;
}

TEST(TimedMessageBox, SingleButtonMsgShowsTheProgramsBox) {
  BoxWatcher watcher;
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  TimedMessageBox::SingleButtonMode = true;
  TimedMessageBox::SingleButtonMsg("closing in %T", owner, 1);
  EXPECT_EQ(watcher.texts, (std::vector<std::string>{"closing in 1", "closing in 0"}));
  EXPECT_EQ(watcher.buttonCaption, "OK");
  DestroyWindow(owner);
}

}  // namespace
