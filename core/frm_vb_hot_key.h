#pragma once
// frmvbHotKey: the hidden window that owns the program's hot keys.
#include "form.h"

namespace DozIzevodoz {

class FrmVbHotKey : public rt::Form {
 public:
  FrmVbHotKey() : rt::Form("frmvbHotKey") {}
};

FrmVbHotKey& frmvbHotKey();

}  // namespace DozIzevodoz
