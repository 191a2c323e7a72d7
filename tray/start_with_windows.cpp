#include "start_with_windows.h"

#include <windows.h>

#include "mod_registry.h"
#include "settings_keys.h"

namespace tray {

std::string StartWithWindowsCommand() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return "\"" + path + "\"";
}

void WriteRunValue() {
  modRegistry::fWriteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kRunKey, kRunValueName, "S",
                           StartWithWindowsCommand());
}

void DeleteRunValue() { modRegistry::fDeleteValue(DozIzevodoz::kSettingsTop, DozIzevodoz::kRunKey, kRunValueName); }

}  // namespace tray
