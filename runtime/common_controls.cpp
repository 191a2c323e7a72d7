#include "common_controls.h"

#include <windows.h>
#include <commctrl.h>

namespace rt {

void EnsureCommonControls() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)registered;
}

}  // namespace rt
