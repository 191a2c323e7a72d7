#pragma once
// Which Windows the program runs on; each test is False when the version cannot be read.

namespace VersionInfo {

bool IsWin98();
bool IsWin98SE();
bool IsWinME();
bool IsMoreME();

}  // namespace VersionInfo
