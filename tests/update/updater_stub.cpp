// Stands in for a published updater: leaves a marker beside itself, so a test can see it ran.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string marker(path);
  marker = marker.substr(0, marker.find_last_of('\\')) + "\\updater-ran.txt";
  HANDLE f = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(f);
  return 0;
}
