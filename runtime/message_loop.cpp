#include "message_loop.h"

#include <windows.h>

#include "form.h"

namespace rt {
namespace {

int g_outerLoops = 0;  // RunMessageLoop calls in progress
int g_pumpDepth = 0;   // dispatches of those loops in progress

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

int RunMessageLoop() {
  ++g_outerLoops;
  struct Leave {
    ~Leave() { --g_outerLoops; }
  } leave;
  MSG msg;
  for (;;) {
    // Between two messages of the outermost loop no handler runs: what unloaded forms left
    // behind can go now.
    if (g_outerLoops == 1 && g_pumpDepth == 0) CollectUnloadedForms();
    if (Forms::Count() == 0) {
      // Idle and no form: the program ends. What was posted before the last unload still runs
      // first, and may load a form again.
      if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return 0;
    } else {
      BOOL got = GetMessageA(&msg, nullptr, 0, 0);
      if (got < 0) return 1;
      if (got == 0) return static_cast<int>(msg.wParam);
    }
    if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
    ++g_pumpDepth;
    Dispatch(msg);
    --g_pumpDepth;
  }
}

}  // namespace rt
