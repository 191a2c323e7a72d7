// The tray's titled windows show the program's icon, where the system's default would stand.
#include <windows.h>

#include <gtest/gtest.h>

#include "../support/program_icon_check.h"
#include "app.h"
#include "form.h"
#include "frm_about.h"
#include "frm_option.h"
#include "frm_prog.h"
#include "frm_set_hot_keys.h"

namespace {

TEST(WindowIcons, EveryTitledWindowShowsTheProgramIcon) {
  rt::InitApp(GetModuleHandleA(nullptr), "Tarnwick");
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
}

}  // namespace
