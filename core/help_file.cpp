#include "help_file.h"

#include "app.h"
#include "os/shell.h"
#include "path_text.h"

namespace DozIzevodoz {

void OpenHelpFile(HWND owner, std::string_view verb) {
  os::OpenDocument(owner, std::string(verb), rt::JoinPath(rt::App().Path, "Tarnwick.chm"), SW_SHOWMAXIMIZED);
}

}  // namespace DozIzevodoz
