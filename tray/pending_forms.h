#pragma once
// The tray's windows that are, for now, nothing but hidden windows of their name. Each one gets a
// class of its own when its contents are built.
#include "form.h"

namespace tray {

class HiddenForm : public rt::Form {
 public:
  explicit HiddenForm(const char* name) : rt::Form(name) {}
};

HiddenForm& frmBase();

}  // namespace tray
