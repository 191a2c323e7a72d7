#include "program_start.h"

#include "frm_main.h"
#include "frm_task.h"
#include "program.h"
#include "startup.h"
#include "tray_front_end.h"

int StartTarnwick(HINSTANCE instance) {
  // The tray and the editors sit side by side above the core; only the program joins them.
  static tray::TrayFrontEnd frontEnd;
  DozIzevodoz::SetFrontEnd(&frontEnd);
  tray::SetTaskEditorOpener(&editors::ShowTaskEditor);
  return rt::RunProgram(instance, {"Tarnwick", &DozIzevodoz::Main, "DozIzevodoz"});
}
