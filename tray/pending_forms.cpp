#include "pending_forms.h"

namespace tray {

HiddenForm& frmBase() {
  static HiddenForm form("frmBase");
  return form;
}
HiddenForm& frmOption() {
  static HiddenForm form("frmOption");
  return form;
}

}  // namespace tray
