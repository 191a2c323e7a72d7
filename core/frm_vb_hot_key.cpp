#include "frm_vb_hot_key.h"

#include "mod_registry.h"
#include "msg_box.h"
#include "settings_keys.h"
#include "shared_state.h"
#include "subclass.h"
#include "vb_hot_key.h"
#include "vb_hot_key_names.h"

namespace DozIzevodoz {

FrmVbHotKey& frmvbHotKey() {
  static FrmVbHotKey form;
  return form;
}

std::string HotKeyFailureText(const std::string& keyName) {
  return "Can not register all or one of the hotkeys " + keyName +
         " ... Try other keys this key is already registered by some other running applications.";
}

void SetHotKeys() {
  HWND window = frmvbHotKey().hWnd();
  uint8_t id = 0, vk = 0;
  for (int n = 0; n <= 12; ++n) {
    if (n == 9) continue;  // ENTER belongs to the countdown windows
    std::string name;
    modRegistry::fReadValue(kSettingsTop, kHotKeysKey, std::to_string(n), "S", "", name);
    if (name.empty()) continue;
    // An unknown name would register whatever key came before it (or CTRL+ALT with no key).
    bool known = GetHotKeyId(name, id, vk);
    if (known && RegisterHotKey(window, id, kHotKeyModifiers, vk)) {
      if (id < HotKeyRegistered.size()) HotKeyRegistered[id] = true;
    } else {
      rt::MsgBox(HotKeyFailureText("CTRL+ALT+" + name), MB_OK | MB_ICONERROR, "Tarnwick");
    }
  }
}

rt::FormSettings FrmVbHotKey::Settings() const {
  rt::FormSettings s;
  s.caption = "VHotKeys";
  s.showInTaskbar = false;
  return s;
}

void FrmVbHotKey::Form_Load() {
  Hide();
  rt::InstallSubclass(hWnd(), &vbHotKey::CallbackMsgs);
  SetHotKeys();
}

void FrmVbHotKey::Form_Resize() {
  if (GetWindowState() == rt::WindowState::Minimized) Hide();
}

void FrmVbHotKey::Form_Unload(int&) {
  // Only this window's keys: ENTER's flag belongs to the countdown window that holds it.
  for (int id = 0; id <= 9; ++id) {
    if (HotKeyRegistered[id] && UnregisterHotKey(hWnd(), id)) HotKeyRegistered[id] = false;
  }
}

}  // namespace DozIzevodoz
