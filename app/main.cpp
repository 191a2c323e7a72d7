// Tarnwick.exe: the runtime runs the start procedure, then the message loop.
#include <windows.h>

#include "program.h"
#include "startup.h"
#include "tray_front_end.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  static tray::TrayFrontEnd frontEnd;
  DozIzevodoz::SetFrontEnd(&frontEnd);
  return rt::RunProgram(instance, {"Tarnwick", &DozIzevodoz::Main, "DozIzevodoz"});
}
