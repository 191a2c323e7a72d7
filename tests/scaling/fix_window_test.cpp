// FixWindow on real windows: the limits hold while a window is moved, a second hook updates them
// without making a loop, and a window that goes takes its record with it.
#include "fix_window.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "rounding.h"
#include "screen.h"

namespace {

constexpr char kClass[] = "FixWindowTestWindow";

HWND MakeWindow() {
  static bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  return CreateWindowExA(0, kClass, "track", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

int WidthAfterSizing(HWND window, int pixels) {
  SetWindowPos(window, nullptr, 0, 0, pixels, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r;
  GetWindowRect(window, &r);
  return r.right - r.left;
}

LONG Pixels(LONG twips) { return static_cast<LONG>(rt::RoundHalfEven(twips / rt::Screen().TwipsPerPixelX())); }

TEST(FixWindow, TheLimitsHoldWhileHookedAndTheWindowProcedureComesBack) {
  HWND window = MakeWindow();
  auto original = GetWindowLongPtrA(window, GWLP_WNDPROC);
  amb::HookWindow(window, 3000, 1500, amb::LargestWidth(), amb::LargestHeight());
  EXPECT_EQ(WidthAfterSizing(window, 40), Pixels(3000)) << "never below the minimum";
  EXPECT_EQ(WidthAfterSizing(window, 3000), 3000) << "wider than the screen, up to 32767 pixels";

  amb::UnhookWindow(window);
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
  EXPECT_EQ(amb::HookedWindowCount(), 0u);
  EXPECT_EQ(WidthAfterSizing(window, Pixels(3000) - 30), Pixels(3000) - 30);
  amb::UnhookWindow(window);  // nothing to undo
  DestroyWindow(window);
}

// Hooking twice once made the procedure its own predecessor: the next message recursed for ever.
TEST(FixWindow, ASecondHookTakesTheNewLimitsAndMessagesStillReachTheWindow) {
  HWND window = MakeWindow();
  amb::HookWindow(window, 3000, 1500, amb::LargestWidth(), amb::LargestHeight());
  amb::HookWindow(window, 4500, 1500, amb::LargestWidth(), amb::LargestHeight());
  EXPECT_EQ(amb::HookedWindowCount(), 1u);
  EXPECT_EQ(WidthAfterSizing(window, 40), Pixels(4500));
  SetWindowTextA(window, "passed on");
  char text[32] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "passed on");
  amb::UnhookWindow(window);
  DestroyWindow(window);
}

TEST(FixWindow, AWindowDestroyedWhileHookedLeavesNoRecord) {
  HWND window = MakeWindow();
  amb::HookWindow(window, 3000, 1500, amb::LargestWidth(), amb::LargestHeight());
  DestroyWindow(window);
  EXPECT_EQ(amb::HookedWindowCount(), 0u);
  amb::UnhookWindow(window);
}

// A host may run the control on several threads, each with its own windows; the subclass records
// behind the hooks are shared by them all.
TEST(FixWindow, ThreadsHookTheirOwnWindowsAtTheSameTime) {
  std::vector<int> wrong(4, 0);
  std::vector<std::thread> threads;
  for (size_t t = 0; t < wrong.size(); ++t)
    threads.emplace_back([&wrong, t] {
      HWND window = MakeWindow();
      for (int i = 0; i < 2000; ++i) {
        amb::HookWindow(window, 3000, 1500, amb::LargestWidth(), amb::LargestHeight());
        MINMAXINFO limits{};
        SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        SetWindowTextA(window, "passed on");  // through the previous procedure
        if (limits.ptMinTrackSize.x != Pixels(3000)) ++wrong[t];
        amb::UnhookWindow(window);
      }
      DestroyWindow(window);
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, std::vector<int>(wrong.size(), 0));
}

TEST(FixWindow, TheLargestSizeIs32767PixelsInTwips) {
  ASSERT_EQ(rt::Screen().TwipsPerPixelX(), 15) << "the test screen's 96 dots an inch";
  ASSERT_EQ(rt::Screen().TwipsPerPixelY(), 15);
  EXPECT_EQ(amb::LargestWidth(), 491505);
  EXPECT_EQ(amb::LargestHeight(), 491505);
}

}  // namespace
