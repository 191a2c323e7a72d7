#pragma once
// Registers or unregisters a COM server the way an installer does: regsvr32, silent, waited for up
// to a minute. The tests and the soak share it.
#include <windows.h>

#include <string>

#include "scoped_win.h"

namespace testsupport {

// regsvr32's exit code (0 when it worked); ~0u when it could not be started.
inline DWORD RunRegsvr32(const std::wstring& dll, bool unregister) {
  std::wstring command = std::wstring(L"regsvr32 /s ") + (unregister ? L"/u " : L"") + L"\"" + dll + L"\"";
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return ~0u;
  rt::UniqueHandle process(pi.hProcess), thread(pi.hThread);
  WaitForSingleObject(process.get(), 60000);
  DWORD code = ~0u;
  GetExitCodeProcess(process.get(), &code);
  return code;
}

}  // namespace testsupport
