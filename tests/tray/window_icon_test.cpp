// The tray's titled windows show the program's icon, where the system's default would stand.
#include <windows.h>

#include <gtest/gtest.h>

#include "../support/program_icon_check.h"
#include "../support/tray_settings.h"
#include "app.h"
#include "form.h"
#include "frm_about.h"
#include "frm_option.h"
#include "frm_prog.h"
#include "frm_set_hot_keys.h"
#include "message_loop.h"
#include "os/scripted_message_boxes.h"
#include "shared_state.h"

namespace {

// The dialogs write their settings as they close: none of it outlives the test, and no box of
// theirs reaches the screen.
class WindowIcons : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
    DozIzevodoz::ResetSharedState();
    test::ClearTraySettings();
  }
  void TearDown() override {
    rt::Forms::UnloadAll();
    rt::SetQuitting(false);
    rt::DoEvents();
    test::ClearTraySettings();
    DozIzevodoz::ResetSharedState();
  }
  os::ScriptedMessageBoxes boxes_;
  os::Install<os::MessageBoxes> installBoxes_{&boxes_};
};

TEST_F(WindowIcons, EveryTitledWindowShowsTheProgramIcon) {
  struct {
    const char* name;
    rt::Form& form;
  } windows[] = {{"frmProg", tray::frmProg()},
                 {"frmOption", tray::frmOption()},
                 {"frmSetHotKeys", tray::frmSetHotKeys()},
                 {"frmAbout", tray::frmAbout()}};
  for (const auto& w : windows) {
    w.form.Load();
    EXPECT_TRUE(test::ShowsProgramIcon(w.form.hWnd())) << w.name;
    w.form.Unload();
  }
  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text;
}

}  // namespace
