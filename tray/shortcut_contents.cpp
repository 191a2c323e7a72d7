#include "shortcut_contents.h"

#include "path_text.h"

namespace tray {
namespace {

struct Action {
  int bit;
  const char* name;
  const char* argument;
};

constexpr Action kActions[] = {
    {kShortcutReboot, "Reboot", "/R"},   {kShortcutPoweroff, "Poweroff", "/P"},
    {kShortcutLogoff, "Logoff", "/L"},   {kShortcutSuspend, "Suspend", "/Z"},
    {kShortcutHibernate, "Hibernate", "/H"},
};

}  // namespace

ShortcutContents ShortcutSpec(int kind, std::string_view progDir, std::string_view exeName) {
  const char* name = "Shutdown";
  const char* argument = "/S";
  for (const Action& action : kActions)
    if (kind & action.bit) {
      name = action.name;
      argument = action.argument;
      break;
    }
  ShortcutContents contents;
  contents.fileName = std::string(name) + ".lnk";
  contents.workingDir = std::string(progDir);
  if (contents.workingDir.empty() || contents.workingDir.back() != '\\') contents.workingDir += '\\';
  contents.target = contents.workingDir + std::string(exeName);
  contents.arguments = argument;
  contents.description = std::string(name) + " Windows";
  return contents;
}

bool IsShortcutDestination(std::string_view destination) {
  return destination == "Desktop" || destination == "QuickLaunch";
}

std::string ShortcutFolder(std::string_view destination, std::string_view desktop, std::string_view appData) {
  if (destination == "Desktop") return std::string(desktop);
  if (destination == "QuickLaunch" && !appData.empty())
    return rt::JoinPath(appData, "Microsoft\\Internet Explorer\\Quick Launch");
  return {};
}

}  // namespace tray
