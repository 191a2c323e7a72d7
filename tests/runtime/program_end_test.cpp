// When a program on the runtime ends: once its last form unloads, and not while a hidden form is
// loaded.
#include <gtest/gtest.h>

#include "process_driver.h"

namespace {

const std::string kHost = test::WindowsPathOf(TARNWICK_FORM_HOST);

TEST(ProgramEnd, TheProcessEndsWhenItsLastFormUnloadsItself) {
  test::Program host(kHost, "unload");
  ASSERT_TRUE(host.Started());
  ASSERT_TRUE(host.WaitForExit());
  EXPECT_EQ(host.ExitCode(), 0u);
}

TEST(ProgramEnd, AHiddenFormKeepsTheProcessAliveUntilItIsClosed) {
  test::Program host(kHost, "stay");
  ASSERT_TRUE(host.Started());
  HWND form = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (form = host.FindWindowOf("TarnwickForm", "FormHost")) != nullptr; }));
  EXPECT_FALSE(IsWindowVisible(form));
  EXPECT_FALSE(host.WaitForExit(1500));
  PostMessageA(form, WM_CLOSE, 0, 0);
  ASSERT_TRUE(host.WaitForExit());
  EXPECT_EQ(host.ExitCode(), 0u);
}

}  // namespace
