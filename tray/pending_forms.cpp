#include "pending_forms.h"

namespace tray {

HiddenForm& frmBase() {
  static HiddenForm form("frmBase");
  return form;
}

}  // namespace tray
