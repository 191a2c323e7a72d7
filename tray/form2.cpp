#include "form2.h"

namespace tray {

CountdownForm& Form2() {
  static CountdownForm form("Form2", CountdownForm::Variant::CommandLine);
  return form;
}

}  // namespace tray
