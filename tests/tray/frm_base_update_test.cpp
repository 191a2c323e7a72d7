// The tray form's start-up update check against the local update host: the load waits for the
// notice, the menu works meanwhile, and an exit from the menu ends the wait and the program.
#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include "../update/fake_internet_state.h"
#include "../update/update_test_support.h"
#include "frm_base.h"
#include "os/recording_notify_area.h"
#include "sys_tray.h"
#include "tray_front_end.h"

namespace {

class TrayStartUpCheck : public test::UpdateFixture {
 protected:
  TrayStartUpCheck() : UpdateFixture("tray") {}
  void SetUp() override {
    UpdateFixture::SetUp();
    DozIzevodoz::SetFrontEnd(&trayFrontEnd);
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    SysTray::IconHide(nullptr);
    UpdateFixture::TearDown();
  }

  tray::TrayFrontEnd trayFrontEnd;
  os::RecordingNotifyArea tray;
  os::Install<os::NotifyArea> trayInstalled{&tray};
  test::FakeInternetState state{true, INTERNET_CONNECTION_LAN};
  os::Install<os::InternetState> stateInstalled{&state};
};

// What the user does while the notice is up: first a menu command, then Exit.
struct UserDuringTheWait {
  static inline int ticks = 0;
  static inline bool noticeWasUp = false;
  static void Command(const char* item) {
    tray::FrmBase& form = tray::frmBase();
    SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(form.Menu(item).Id(), 0), 0);
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    ++ticks;
    if (ticks == 1) {
      noticeWasUp = frmUpdate().IsLoaded();
      Command("mnuForce");
    } else if (ticks == 2) {
      KillTimer(nullptr, timer);
      Command("mnuExit");
    }
  }
};

TEST_F(TrayStartUpCheck, ExitDuringTheWaitEndsTheProgramForGood) {
  host.Serve("/Updates/TarnwickPaid/ver.txt", "Tarnwick,2.4.0");
  const size_t mark = host.Mark();
  SetTimer(nullptr, 0, 300, &UserDuringTheWait::Tick);
  tray::frmBase().Load();  // returns once the wait has ended

  EXPECT_EQ(UserDuringTheWait::ticks, 2);
  EXPECT_TRUE(UserDuringTheWait::noticeWasUp);
  EXPECT_EQ(test::ReadText(test::kSettings, "Force"), "True");  // the menu worked during the wait
  EXPECT_FALSE(tray::frmBase().IsLoaded());
  EXPECT_EQ(rt::Forms::Count(), 0u);
  // Nothing starts again: no second form, icon or check.
  tray::frmBase().Load();
  EXPECT_FALSE(tray::frmBase().IsLoaded());
  EXPECT_EQ(tray.Count(NIM_ADD), 1u);
  EXPECT_EQ(tray.Count(NIM_DELETE), 1u);
  EXPECT_EQ(host.RequestsSince(mark), (std::vector<std::string>{"/", "/Updates/TarnwickPaid/ver.txt"}));
}

}  // namespace
