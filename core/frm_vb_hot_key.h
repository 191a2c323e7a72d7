#pragma once
// frmvbHotKey: the hidden window that owns the program's CTRL+ALT hot keys, as the hot-key settings
// name them. On the hot-key-only road the program lives on this window alone.
#include "form.h"

namespace DozIzevodoz {

// CTRL+ALT
inline constexpr UINT kHotKeyModifiers = MOD_ALT | MOD_CONTROL;

class FrmVbHotKey : public rt::Form {
 public:
  FrmVbHotKey() : rt::Form("frmvbHotKey") {}

 protected:
  rt::FormSettings Settings() const override;
  void Form_Load() override;
  void Form_Resize() override;
  void Form_Unload(int& cancel) override;
};

FrmVbHotKey& frmvbHotKey();

// Registers on the hidden window every key the settings name (values "0" to "12", "9" aside); a
// key that cannot be registered, or a name that is no key, is reported by name and skipped.
void SetHotKeys();

// The text shown when a hot key cannot be registered; keyName follows "CTRL+ALT+" (or stands
// alone for a key without modifiers).
std::string HotKeyFailureText(const std::string& keyName);

}  // namespace DozIzevodoz
