// A program with one window that writes to a log what the session tells it: witness.exe LOG
// [CLASS]. It logs "ready" once its window exists, then each WM_QUERYENDSESSION and WM_ENDSESSION.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string g_log;

void Log(const char* line) {
  if (FILE* f = std::fopen(g_log.c_str(), "ab")) {
    std::fprintf(f, "%s\n", line);
    std::fclose(f);
  }
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION:
      Log("WM_QUERYENDSESSION");
      return TRUE;
    case WM_ENDSESSION:
      Log(wParam ? "WM_ENDSESSION ending" : "WM_ENDSESSION cancelled");
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_log = argv[1];
  const char* className = argc > 2 ? argv[2] : "TarnwickWitness";
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  if (!RegisterClassA(&wc)) return 3;
  HWND window = CreateWindowExA(0, className, "Witness", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                                nullptr, wc.hInstance, nullptr);
  if (!window) return 4;
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Log("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
