#pragma once
// The Windows version tests over the fields of a version record.
#include <cstdint>

namespace VersionInfo {

struct OsVersion {
  uint32_t platformId = 0;  // 1: the Windows 9x family, 2: the NT family
  uint32_t major = 0, minor = 0;
  uint32_t build = 0;  // on the 9x family the high word repeats major and minor
};

bool IsWin98(const OsVersion& v);
bool IsWin98SE(const OsVersion& v);
bool IsWinME(const OsVersion& v);
bool IsMoreME(const OsVersion& v);

}  // namespace VersionInfo
