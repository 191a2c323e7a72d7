#include "vb_hot_key.h"

#include "error_report.h"
#include "front_end.h"
#include "message_loop.h"
#include "shared_state.h"

namespace vbHotKey {
namespace {

constexpr char kPreviousProcedure[] = "Tarnwick.PreviousWindowProcedure";
constexpr uint8_t kCancelTasksId = 11;

WNDPROC PreviousOf(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, kPreviousProcedure)); }

}  // namespace

bool IsHooked(HWND window) { return PreviousOf(window) != nullptr; }

void HookWindow(HWND window) {
  if (!window || IsHooked(window)) return;
  LONG_PTR previous = GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (!previous || !SetPropA(window, kPreviousProcedure, reinterpret_cast<HANDLE>(previous))) return;
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CallbackMsgs));
}

LRESULT CALLBACK CallbackMsgs(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = PreviousOf(window);
  if (message == WM_HOTKEY) {
    rt::Trap("vbHotKey", "DoFunctions", [&] { DoFunctions(static_cast<uint8_t>(wParam)); });
    return 1;
  }
  if (message == WM_NCDESTROY) RemovePropA(window, kPreviousProcedure);
  if (!previous) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void DoFunctions(uint8_t id) {
  rt::DoEvents();
  if (id == kCancelTasksId) {
    DozIzevodoz::CancelTasks = true;
    DozIzevodoz::frontEnd().CancelTaskRun();
  }
}

}  // namespace vbHotKey
