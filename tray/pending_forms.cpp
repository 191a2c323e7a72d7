#include "pending_forms.h"

namespace tray {

HiddenForm& frmBase() {
  static HiddenForm form("frmBase");
  return form;
}
HiddenForm& Form1() {
  static HiddenForm form("Form1");
  return form;
}
HiddenForm& Form2() {
  static HiddenForm form("Form2");
  return form;
}
HiddenForm& frmOption() {
  static HiddenForm form("frmOption");
  return form;
}

}  // namespace tray
