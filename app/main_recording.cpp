// The recording build of Tarnwick.exe for end-to-end tests: the same program, with a power adapter
// that writes each call to a log instead of acting. The log is TARNWICK_POWER_LOG, or
// "power-calls.txt" beside the executable.
#include <windows.h>

#include <string>

#include "app.h"
#include "os/recording_power.h"
#include "path_text.h"
#include "program_start.h"

namespace {

std::string PowerLogPath() {
  char buffer[MAX_PATH * 2];
  DWORD length = GetEnvironmentVariableA("TARNWICK_POWER_LOG", buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) return std::string(buffer, length);
  length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  std::string exe(buffer, length);
  return rt::JoinPath(exe.substr(0, exe.find_last_of('\\')), "power-calls.txt");
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static os::RecordingPower power(PowerLogPath());
  os::SeamSlot<os::Power>::installed = &power;
  return StartTarnwick(instance);
}
