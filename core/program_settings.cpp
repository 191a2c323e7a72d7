#include "program_settings.h"

#include "mod_registry.h"
#include "settings_keys.h"

namespace DozIzevodoz {

std::string ReadSetting(const char* name) {
  std::string value;
  modRegistry::fReadValue(kSettingsTop, kSettingsKey, name, "S", "", value);
  return value;
}

void WriteSetting(const char* name, const std::string& value) {
  modRegistry::fWriteValue(kSettingsTop, kSettingsKey, name, "S", value);
}

StoredHotKeys ReadStoredHotKeys() {
  StoredHotKeys stored;
  for (int n = 0; n < kHotKeyValueCount; ++n)
    modRegistry::fReadValue(kSettingsTop, kHotKeysKey, std::to_string(n), "S", "", stored[n]);
  return stored;
}

}  // namespace DozIzevodoz
