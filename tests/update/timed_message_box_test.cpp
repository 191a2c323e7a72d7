#include "timed_message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Watches the real box from a thread timer that runs inside the box's own message loop: records
// each text it shows and the caption of its visible button, and can click that button.
struct BoxWatcher {
  std::vector<std::string> texts;
  std::string buttonCaption;
  bool clickAtOnce = false;
  UINT_PTR timer = 0;

  static BoxWatcher*& Current() {
    static BoxWatcher* current = nullptr;
    return current;
  }
  BoxWatcher() {
    Current() = this;
    timer = SetTimer(nullptr, 0, 30, Tick);
  }
  ~BoxWatcher() {
    KillTimer(nullptr, timer);
    Current() = nullptr;
  }

  static HWND FindBox() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM p) -> BOOL {
          char cls[32] = {};
          GetClassNameA(hwnd, cls, sizeof cls);
          if (std::string(cls) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
          *reinterpret_cast<HWND*>(p) = hwnd;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }
  static std::string TextOf(HWND hwnd) {
    char text[512] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    BoxWatcher* w = Current();
    HWND box = FindBox();
    if (!w || !box) return;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char cls[32] = {};
      GetClassNameA(child, cls, sizeof cls);
      if (!IsWindowVisible(child)) continue;
      LONG style = GetWindowLongA(child, GWL_STYLE);
      if (_stricmp(cls, "Static") == 0 && (style & SS_TYPEMASK) != SS_ICON) {
        std::string text = TextOf(child);
        if (w->texts.empty() || w->texts.back() != text) w->texts.push_back(text);
      }
      if (_stricmp(cls, "Button") == 0) {
        w->buttonCaption = TextOf(child);
        if (w->clickAtOnce) PostMessageA(child, BM_CLICK, 0, 0);
      }
    }
  }
};

TimedMessageBox::MsgBoxData Record(const std::string& prompt, long seconds) {
  TimedMessageBox::MsgBoxData record;
  record.Title = TimedMessageBox::kTitle;
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
