// Linked into every program that loads system DLLs on first call. Without a failure hook the
// delay-load helper raises an SEH exception that no C++ handler catches, and the program vanishes in
// the middle of a command; with it, the user is told which library or entry point is missing and
// the program ends, as the system loader would have said at start.
#include <windows.h>
#include <delayimp.h>

#include <string>

namespace {

FARPROC WINAPI DelayLoadFailed(unsigned notify, PDelayLoadInfo info) {
  if (notify != dliFailLoadLib && notify != dliFailGetProc) return nullptr;
  std::string text = "A part of Windows that this command needs could not be loaded:\r\n";
  text += info && info->szDll ? info->szDll : "(unknown library)";
  if (notify == dliFailGetProc && info) {
    text += " does not offer ";
    text += info->dlp.fImportByName && info->dlp.szProcName ? info->dlp.szProcName : "an entry point by number";
  }
  text += ".\r\n\r\nThe program ends now.";
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  MessageBoxA(nullptr, text.c_str(), program, MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(1);
}

}  // namespace

PfnDliHook __pfnDliFailureHook2 = DelayLoadFailed;  // declared extern "C" by <delayimp.h>
