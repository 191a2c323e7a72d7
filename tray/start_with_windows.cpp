#include "start_with_windows.h"

#include "app.h"
#include "mod_registry.h"
#include "settings_keys.h"

namespace tray {

std::string StartWithWindowsCommand() {
  const std::string path = rt::ModuleFilePath();
  return path.empty() ? std::string() : "\"" + path + "\"";
}

void WriteRunValue() {
  modRegistry::fWriteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kRunKey, kRunValueName, "S",
                           StartWithWindowsCommand());
}

void DeleteRunValue() { modRegistry::fDeleteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kRunKey, kRunValueName); }

}  // namespace tray
