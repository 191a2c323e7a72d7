#include "open_help.h"

#include "app.h"
#include "os/shell.h"
#include "path_text.h"

namespace tray {

void OpenHelpFile(HWND owner) {
  os::ShellExecuteRequest request;
  request.owner = owner;
  request.verb = "Open";
  request.file = rt::JoinPath(rt::App().Path, "Tarnwick.chm");
  request.showCommand = SW_SHOWMAXIMIZED;
  os::shell().Execute(request);
}

}  // namespace tray
