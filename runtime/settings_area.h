#pragma once
// The per-user settings area: text values by application, section and key, kept in the current
// user's registry hive. Every call returns a Win32 status (ERROR_SUCCESS when it worked).
#include <windows.h>

#include <string>

namespace rt {

// HKCU\<this>\<application>\<section>, value <key>.
inline constexpr char kSettingsAreaRoot[] = "Software\\Application Settings";

LONG SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value);
// The stored text, or fallback when the value is missing or unreadable.
std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& fallback = {});
LONG DeleteSetting(const std::string& application, const std::string& section, const std::string& key);
// Removes the whole section with every value in it.
LONG DeleteSettingSection(const std::string& application, const std::string& section);

}  // namespace rt
