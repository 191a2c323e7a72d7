#include "version_rules.h"

namespace VersionInfo {
namespace {

constexpr uint32_t kWin9xPlatform = 1, kNtPlatform = 2;
constexpr uint32_t kWin98SecondEditionBuild = 2222;

bool IsWin98Family(const OsVersion& v) { return v.platformId == kWin9xPlatform && v.major == 4 && v.minor == 10; }
uint32_t Win9xBuild(const OsVersion& v) { return v.build & 0xFFFF; }

}  // namespace

bool IsWin98(const OsVersion& v) { return IsWin98Family(v) && Win9xBuild(v) < kWin98SecondEditionBuild; }
bool IsWin98SE(const OsVersion& v) { return IsWin98Family(v) && Win9xBuild(v) >= kWin98SecondEditionBuild; }
bool IsWinME(const OsVersion& v) { return v.platformId == kWin9xPlatform && v.major == 4 && v.minor == 90; }
bool IsMoreME(const OsVersion& v) { return v.platformId == kNtPlatform && v.major >= 4; }

}  // namespace VersionInfo
