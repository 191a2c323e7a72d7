#pragma once
// Runs the messages of the thread (timers included) for a while.
#include <windows.h>

namespace test {

inline void PumpFor(DWORD milliseconds) {
  DWORD end = GetTickCount() + milliseconds;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

}  // namespace test
