#include "frm_vb_hot_key.h"

namespace DozIzevodoz {

FrmVbHotKey& frmvbHotKey() {
  static FrmVbHotKey form;
  return form;
}

}  // namespace DozIzevodoz
