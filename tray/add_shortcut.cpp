#include "add_shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "app.h"
#include "error_report.h"
#include "msg_box.h"
#include "os/shortcut_writer.h"
#include "path_text.h"
#include "platform_utils.h"
#include "shortcut_contents.h"

namespace tray {
namespace {

void SaveShortcut(int kind, const std::string& folder) {
  const std::string program = rt::ModuleFilePath();
  size_t slash = program.find_last_of('\\');
  if (slash == std::string::npos) return;
  ShortcutContents contents = ShortcutSpec(kind, std::string_view(program).substr(0, slash + 1),
                                           std::string_view(program).substr(slash + 1));
  os::ShellShortcut shortcut;
  shortcut.file = rt::JoinPath(folder, contents.fileName);
  shortcut.target = contents.target;
  shortcut.arguments = contents.arguments;
  shortcut.workingDir = contents.workingDir;
  shortcut.description = contents.description;
  shortcut.showCommand = contents.showCommand;
  os::shortcutWriter().Save(shortcut);
}

}  // namespace

void AddShortcut(int kind, std::string_view destination) {
  std::string folder;
  bool known = false;
  rt::Trap("frmBase", "AddShortcut", [&] {
    if (!IsShortcutDestination(destination)) {
      rt::MsgBox("No Destination For Shortcut Was Given", MB_OK | MB_ICONINFORMATION,
                 "Moxbel Tarnwick Plus Error Message");
      return;
    }
    known = true;
    std::string desktop, appData;
    if (destination == "Desktop") desktop = DozIzevodoz::GetSystemFolderPath(CSIDL_DESKTOPDIRECTORY);
    else appData = DozIzevodoz::GetSystemFolderPath(CSIDL_APPDATA);
    folder = ShortcutFolder(destination, desktop, appData);
  });
  // An unknown folder would make the path relative to wherever the program happens to run.
  if (!known || folder.empty()) return;
  rt::SkipOnError([&] { SaveShortcut(kind, folder); });
}

}  // namespace tray
