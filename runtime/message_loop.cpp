#include "message_loop.h"

#include <windows.h>

#include "form.h"

namespace rt {
namespace {

// Each thread's own loops: the forms they wait for are the thread's.
thread_local int t_outerLoops = 0;  // RunMessageLoop calls in progress
thread_local int t_pumpDepth = 0;   // dispatches of those loops in progress

void Dispatch(MSG& msg) {
  if (HandleFormNavigation(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

}  // namespace

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the outermost loop
      return;
    }
    Dispatch(msg);
  }
}

void WakeMessageLoop(HWND window) {
  DWORD thread = window ? GetWindowThreadProcessId(window, nullptr) : GetCurrentThreadId();
  PostThreadMessageA(thread ? thread : GetCurrentThreadId(), WM_NULL, 0, 0);
}

bool NextPostedMessage(MSG& msg) {
  // The wait handles nothing itself: a message sent meanwhile is handled by the peek, which then
  // returns (with nothing, if nothing was posted) so that the caller looks again.
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  return PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE;
}

int RunMessageLoop() {
  ++t_outerLoops;
  struct Leave {
    ~Leave() { --t_outerLoops; }
  } leave;
  MSG msg;
  for (;;) {
    // Between two messages of the outermost loop no handler runs: what unloaded forms left
    // behind can go now.
    if (t_outerLoops == 1 && t_pumpDepth == 0) CollectUnloadedForms();
    if (Forms::Count() == 0) {
      // Idle and no form: the program ends. What was posted before the last unload still runs
      // first, and may load a form again.
      if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return 0;
    } else if (!NextPostedMessage(msg)) {
      continue;
    }
    if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
    ++t_pumpDepth;
    Dispatch(msg);
    --t_pumpDepth;
  }
}

}  // namespace rt
