// The tray icon's record and its add and delete calls, over a recording notification area.
#include "sys_tray.h"

#include <gtest/gtest.h>

#include "os/recording_notify_area.h"

namespace {

class TrayIcon : public ::testing::Test {
 protected:
  void SetUp() override {
    SysTray::IconHide(nullptr);
    area.requests.clear();
  }
  void TearDown() override { SysTray::IconHide(nullptr); }

  HWND window = reinterpret_cast<HWND>(0x1234);
  os::RecordingNotifyArea area;
  os::Install<os::NotifyArea> installed{&area};
};

// The shell reads as many bytes as cbSize says: the first version's record, 88 bytes in a 32-bit
// program (104 in a 64-bit one, whose handles are 8 bytes), and nothing of the later fields.
TEST(TrayIconRecord, IsTheFirstVersionsRecordWithTheCallerValues) {
  const HWND window = reinterpret_cast<HWND>(0x10);
  const HICON icon = reinterpret_cast<HICON>(0x20);
  NOTIFYICONDATAA record = SysTray::AddRecord(window, "Moxbel Tarnwick", icon);
  EXPECT_EQ(record.cbSize, sizeof(void*) == 4 ? 88u : 104u);
  EXPECT_EQ(record.hWnd, window);
  EXPECT_EQ(record.uID, 1u);
  EXPECT_EQ(record.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(record.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(record.hIcon, icon);
  EXPECT_STREQ(record.szTip, "Moxbel Tarnwick");

  NOTIFYICONDATAA removal = SysTray::DeleteRecord(window);
  EXPECT_EQ(removal.cbSize, record.cbSize);
  EXPECT_EQ(removal.hWnd, window);
  EXPECT_EQ(removal.uID, 1u);
  EXPECT_EQ(removal.uFlags, 0u);
  EXPECT_EQ(removal.uCallbackMessage, 0u);
  EXPECT_EQ(removal.hIcon, nullptr);
}

TEST(TrayIconRecord, TheTipAlwaysEndsInsideItsField) {
  struct Case {
    size_t length;
    size_t kept;
  } cases[] = {{15, 15}, {63, 63}, {64, 63}, {200, 63}};
  for (const Case& c : cases) {
    NOTIFYICONDATAA record = SysTray::AddRecord(nullptr, std::string(c.length, 'x'), nullptr);
    EXPECT_EQ(std::string(record.szTip), std::string(c.kept, 'x')) << c.length;
    for (size_t i = c.kept + 1; i < 64; ++i) EXPECT_EQ(record.szTip[i], ' ') << c.length << " at " << i;
  }
}

TEST_F(TrayIcon, OneIconWhateverTheCalls) {
  EXPECT_TRUE(SysTray::IconShow(window, "tip", nullptr));
  EXPECT_TRUE(SysTray::IconShow(window, "tip", nullptr));
  EXPECT_EQ(area.Count(NIM_ADD), 1u);
  SysTray::IconHide(window);
  SysTray::IconHide(window);
  EXPECT_EQ(area.Count(NIM_DELETE), 1u);
  EXPECT_EQ(area.requests.back().data.hWnd, window);
  EXPECT_TRUE(SysTray::IconShow(window, "tip", nullptr));
  EXPECT_EQ(area.Count(NIM_ADD), 2u);
}

TEST_F(TrayIcon, AFailedAddIsNotTakenForAShownIcon) {
  area.answers = {false};
  EXPECT_FALSE(SysTray::IconShow(window, "tip", nullptr));
  EXPECT_FALSE(SysTray::IconShown());
  EXPECT_TRUE(SysTray::AddPending());
  SysTray::IconHide(window);  // nothing to delete, and no longer wanted
  EXPECT_EQ(area.Count(NIM_DELETE), 0u);
  EXPECT_FALSE(SysTray::RetryAdd());

  area.answers = {false};
  SysTray::IconShow(window, "tip", nullptr);
  EXPECT_TRUE(SysTray::RetryAdd());
  EXPECT_TRUE(SysTray::IconShown());
  EXPECT_EQ(area.Count(NIM_ADD), 3u);
}

TEST_F(TrayIcon, ANewTaskBarGetsTheWantedIconOnly) {
  SysTray::TaskbarCreated();
  EXPECT_TRUE(area.requests.empty());
  SysTray::IconShow(window, "tip", nullptr);
  SysTray::TaskbarCreated();
  EXPECT_EQ(area.Count(NIM_ADD), 2u);
  EXPECT_TRUE(SysTray::IconShown());
  SysTray::IconHide(window);
  SysTray::TaskbarCreated();
  EXPECT_EQ(area.Count(NIM_ADD), 2u);
}

}  // namespace
