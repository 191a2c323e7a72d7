// The layout at another DPI: the prefix is set to 120 dots per inch for one run of the layout
// tests in a process of their own, then set back. CTest runs this suite alone.
#include <gtest/gtest.h>

#include "process_driver.h"
#include "scoped_win.h"

namespace {

constexpr char kDesktop[] = "Control Panel\\Desktop";

class DesktopDpi {
 public:
  explicit DesktopDpi(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, kDesktop, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key_.put(),
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_.get(), "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExA(key_.get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~DesktopDpi() {
    if (had_) RegSetValueExA(key_.get(), "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    else RegDeleteValueA(key_.get(), "LogPixels");
  }

 private:
  rt::UniqueHkey key_;
  DWORD old_ = 96;
  bool had_ = false;
};

TEST(Dpi, ControlsAreLaidOutForTheDisplaysDpi) {
  DesktopDpi dpi(120);
  SetEnvironmentVariableA("TARNWICK_EXPECT_DPI", "120");
  test::Program layout(test::WindowsPathOf(TARNWICK_FORM_TESTS), "--gtest_filter=FormLayout.*");
  ASSERT_TRUE(layout.Started());
  ASSERT_TRUE(layout.WaitForExit(60000));
  EXPECT_EQ(layout.ExitCode(), 0u) << "the layout tests failed at 120 dots per inch";
}

}  // namespace
