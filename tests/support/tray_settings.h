#pragma once
// The settings a test of the resident tray program starts from, and their removal afterwards.
#include <windows.h>

#include <string>

#include "registry_fixture.h"

namespace test {

inline const std::string kTraySettings = "Software\\Moxbel Software\\Tarnwick";
inline const std::string kTrayHotKeys = "Software\\Moxbel Software\\TarnwickHotKeys";

// No first-run question, no tasks to run, a three-second countdown, the shutdown hot key on.
inline void SetUpTraySettings() {
  DeleteKeyTree(kTraySettings);
  DeleteKeyTree(kTrayHotKeys);
  SetText(kTraySettings, "FirstRun", "No");
  SetText(kTraySettings, "RunTasks", "No");
  SetText(kTraySettings, "TimeOut", "3");
  SetText(kTraySettings, "HotKeysOn", "On");
  SetText(kTrayHotKeys, "0", "VK_S");
}

// The settings gone, and the Run value with which the program's start has it start with Windows.
inline void ClearTraySettings() {
  DeleteKeyTree(kTraySettings);
  DeleteKeyTree(kTrayHotKeys);
  HKEY run = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_SET_VALUE, &run) ==
      ERROR_SUCCESS) {
    RegDeleteValueA(run, "Moxbel Tarnwick");
    RegCloseKey(run);
  }
}

}  // namespace test
