#include "file_drive_info.h"

#include <windows.h>
#include <winnetwk.h>

#include <cstdio>
#include <cstring>

#include "drive_texts.h"
#include "engine_utilities.h"

namespace modMenus {
namespace {

bool HasValue(const void* resource, const std::string& path) {
  void* value = nullptr;
  UINT length = 0;
  return VerQueryValueA(resource, path.c_str(), &value, &length) && value;
}

}  // namespace

std::string GetShortFileName(const std::string& strLongPath) {
  std::string buffer(300, '\0');
  DWORD length = GetShortPathNameA(strLongPath.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length > buffer.size()) {  // a path longer than the buffer: ask again with room for it
    buffer.assign(length, '\0');
    length = GetShortPathNameA(strLongPath.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
  }
  if (length == 0 || length > buffer.size()) return strLongPath;
  return TrimNull(buffer);
}

std::string GetVersionTranslation(const void* versionResource) {
  void* table = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(versionResource, "\\VarFileInfo\\Translation", &table, &length) || !table) return {};
  for (UINT offset = 0; offset + 4 <= length; offset += 4) {
    DWORD entry = 0;
    std::memcpy(&entry, static_cast<const char*>(table) + offset, sizeof entry);
    char path[32];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04X%04X", static_cast<unsigned>(LOWORD(entry)),
                  static_cast<unsigned>(HIWORD(entry)));
    if (HasValue(versionResource, path)) return path;
  }
  const std::string fallback = "\\StringFileInfo\\040904E4";
  return HasValue(versionResource, fallback) ? fallback : std::string();
}

std::string GetFileDescription(const std::string& sFile) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(sFile.c_str(), &handle);
  if (size == 0) return {};
  std::vector<char> resource(size + 1);
  if (!GetFileVersionInfoA(sFile.c_str(), 0, size, resource.data())) return {};
  const std::string table = GetVersionTranslation(resource.data());
  if (table.empty()) return {};
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(resource.data(), (table + "\\FileDescription").c_str(), &value, &length) || !value) return {};
  const char* text = static_cast<const char*>(value);
  return std::string(text, strnlen(text, length));
}

std::string GetNetworkConnection(const std::string& root) {
  std::string local = root;
  if (!local.empty() && local.back() == '\\') local.pop_back();
  std::string remote(255, ' ');
  DWORD length = static_cast<DWORD>(remote.size());
  if (WNetGetConnectionA(local.c_str(), remote.data(), &length) != NO_ERROR) return "Unknown";
  return NetworkConnectionText(TrimNull(remote));
}

std::vector<std::string> GetLogicalDriveList() {
  std::vector<std::string> drives{""};
  std::string buffer(255, '\0');
  const DWORD length = GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length == 0 || length > buffer.size()) return drives;
  std::string_view rest(buffer.data(), length);
  while (!rest.empty()) {
    const std::string root = TrimNull(rest);
    rest.remove_prefix(std::min(rest.size(), root.size() + 1));
    if (root.empty()) continue;
    const UINT type = GetDriveTypeA(root.c_str());
    drives.push_back(DriveListEntry(root, type, type == DRIVE_REMOTE ? GetNetworkConnection(root) : ""));
  }
  return drives;
}

}  // namespace modMenus
