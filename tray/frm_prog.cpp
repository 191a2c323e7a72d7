#include "frm_prog.h"

#include "platform_utils.h"
#include "shared_state.h"

namespace tray {
namespace {
constexpr int kCancelKeyId = 11;
}

FrmProg& frmProg() {
  static FrmProg form;
  return form;
}

rt::FormSettings FrmProg::Settings() const {
  rt::FormSettings s;
  s.caption = "Moxbel Tarnwick";
  s.clientWidth = 6300;  // twips
  s.clientHeight = 4500;
  return s;
}

void FrmProg::Form_Load() { DozIzevodoz::RemoveCloseMenu(*this); }

void FrmProg::Form_Unload(int&) {
  if (DozIzevodoz::CancelKeyRegistered) UnregisterHotKey(hWnd(), kCancelKeyId);
  run_ = {};
}

void FrmProg::LoadRun(const DozIzevodoz::TaskRun& run) { run_ = run; }

void FrmProg::RunTasks() {
  // The tasks start here once the program runner is part of the program; until then the run
  // ends at once and the action follows.
}

}  // namespace tray
