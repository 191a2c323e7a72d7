#include "common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include <atomic>

namespace rt {

// Not a function-local static initialised by the call: its guard stays taken while the initialiser
// runs, and an initialiser that a fault ends without returning (caught further up, by a window
// procedure's handler) would leave it taken for good, so that the next caller waited for ever.
// Here nothing is held while the library registers its classes: a failed or broken registration
// is tried again by the next caller. The registration is idempotent, so two threads may both run it.
void EnsureCommonControls() {
  static std::atomic<bool> registered{false};
  static std::atomic<bool> reported{false};
  if (registered.load(std::memory_order_acquire)) return;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  if (InitCommonControlsEx(&controls)) {
    registered.store(true, std::memory_order_release);
    return;
  }
  // The window that needed a class reports its own failure to the user; this says why, once.
  if (!reported.exchange(true))
    OutputDebugStringA("The common controls' window classes could not be registered; trying again at the next control.\n");
}

}  // namespace rt
