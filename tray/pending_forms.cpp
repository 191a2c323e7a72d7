#include "pending_forms.h"

namespace tray {

HiddenForm& frmOption() {
  static HiddenForm form("frmOption");
  return form;
}
HiddenForm& frmSetHotKeys() {
  static HiddenForm form("frmSetHotKeys");
  return form;
}

}  // namespace tray
