#include "version_info.h"

#include <windows.h>

#include <optional>

#include "version_rules.h"

namespace VersionInfo {
namespace {

std::optional<OsVersion> Running() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info)) return std::nullopt;
  return OsVersion{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

template <bool (*Test)(const OsVersion&)>
bool OnRunningSystem() {
  std::optional<OsVersion> v = Running();
  return v && Test(*v);
}

}  // namespace

bool IsWin98() { return OnRunningSystem<&IsWin98>(); }
bool IsWin98SE() { return OnRunningSystem<&IsWin98SE>(); }
bool IsWinME() { return OnRunningSystem<&IsWinME>(); }
bool IsMoreME() { return OnRunningSystem<&IsMoreME>(); }

}  // namespace VersionInfo
