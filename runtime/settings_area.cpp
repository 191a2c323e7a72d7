#include "settings_area.h"

#include <vector>

#include "scoped_win.h"

namespace rt {
namespace {

std::string SectionPath(const std::string& application, const std::string& section) {
  return std::string(kSettingsAreaRoot) + "\\" + application + "\\" + section;
}

// An empty name would address the parent key itself; the area never allows that.
bool ValidNames(const std::string& application, const std::string& section) {
  return !application.empty() && !section.empty();
}

}  // namespace

LONG SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                 const std::string& value) {
  if (!ValidNames(application, section) || key.empty()) return ERROR_INVALID_PARAMETER;
  UniqueHkey hkey;
  LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, nullptr, 0,
                                KEY_SET_VALUE, nullptr, hkey.put(), nullptr);
  if (status != ERROR_SUCCESS) return status;
  return RegSetValueExA(hkey.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1));
}

std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                       const std::string& fallback) {
  if (!ValidNames(application, section) || key.empty()) return fallback;
  UniqueHkey hkey;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                    hkey.put()) != ERROR_SUCCESS)
    return fallback;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(hkey.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return fallback;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return fallback;
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(hkey.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return fallback;
  return std::string(data.data());  // up to the first NUL
}

LONG DeleteSetting(const std::string& application, const std::string& section, const std::string& key) {
  if (!ValidNames(application, section) || key.empty()) return ERROR_INVALID_PARAMETER;
  UniqueHkey hkey;
  LONG status = RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_SET_VALUE,
                              hkey.put());
  if (status != ERROR_SUCCESS) return status;
  return RegDeleteValueA(hkey.get(), key.c_str());
}

LONG DeleteSettingSection(const std::string& application, const std::string& section) {
  if (!ValidNames(application, section)) return ERROR_INVALID_PARAMETER;
  return RegDeleteTreeA(HKEY_CURRENT_USER, SectionPath(application, section).c_str());
}

}  // namespace rt
