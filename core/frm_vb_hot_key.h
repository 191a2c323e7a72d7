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

// Registers on the hidden window every key the settings name (values "0" to "11", "9" aside). A
// key that cannot be registered is reported by name and skipped; values that name no key are
// skipped and named together in one message.
void SetHotKeys();

// Whether the hot-key window can hold CTRL+ALT+ the named key: it holds it already, or no one
// does. False for a name that is no key.
bool HotKeyAvailable(const std::string& keyName);

// The text shown when a hot key cannot be registered, with the key ("CTRL+ALT+S") between its two
// halves; the countdown's ENTER is named by none.
std::string HotKeyFailureText(const std::string& keyName);

}  // namespace DozIzevodoz
