#include "frm_vb_hot_key.h"

#include <algorithm>
#include <vector>

#include "msg_box.h"
#include "program_settings.h"
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
  const StoredHotKeys stored = ReadStoredHotKeys();
  std::vector<SkippedHotKey> skipped;
  for (int n = 0; n < kHotKeyValueCount; ++n) {
    if (n == 9 || stored[n].empty()) continue;  // 9: ENTER belongs to the countdown windows
    // An unknown name would register whatever key came before it (or CTRL+ALT with no key).
    uint8_t id = 0, vk = 0;
    if (!GetHotKeyId(stored[n], id, vk)) {
      skipped.push_back({n, stored[n]});
      continue;
    }
    if (RegisterHotKey(window, id, kHotKeyModifiers, vk)) {
      if (id < HotKeyRegistered.size()) HotKeyRegistered[id] = true;
    } else {
      rt::MsgBox(HotKeyFailureText("CTRL+ALT+" + stored[n]), MB_OK | MB_ICONERROR, "Tarnwick");
    }
  }
  if (!skipped.empty()) rt::MsgBox(SkippedHotKeysText(skipped), MB_OK | MB_ICONEXCLAMATION, "Tarnwick");
}

bool HotKeyAvailable(const std::string& keyName) {
  uint8_t id = 0, vk = 0;
  if (!GetHotKeyId(keyName, id, vk)) return false;
  if (frmvbHotKey().IsLoaded() && id < HotKeyRegistered.size() && HotKeyRegistered[id]) {
    const StoredHotKeys stored = ReadStoredHotKeys();
    if (std::find(stored.begin(), stored.end(), keyName) != stored.end()) return true;
  }
  // A trial registration on the thread, given back at once.
  constexpr int kTrialId = 0xBFFF;
  if (!RegisterHotKey(nullptr, kTrialId, kHotKeyModifiers, vk)) return false;
  UnregisterHotKey(nullptr, kTrialId);
  return true;
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
  // The flags are this window's alone (id 9 too, for a value naming "VK_ENTER"): the countdown
  // windows keep their ENTER to themselves.
  for (int id = 0; id <= 9; ++id) {
    if (HotKeyRegistered[id] && UnregisterHotKey(hWnd(), id)) HotKeyRegistered[id] = false;
  }
}

}  // namespace DozIzevodoz
