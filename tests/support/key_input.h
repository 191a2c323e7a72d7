#pragma once
// Key presses injected as input, the way the keyboard's reach a Wine program (hot keys included).
#include <windows.h>

#include <vector>

namespace test {

// Presses the keys in order and releases them in the reverse order.
inline void PressKeys(std::vector<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD vk : keys) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    inputs.push_back(in);
  }
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = *it;
    in.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(in);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Presses each key on its own, with a pause after each for what it opens (a submenu) to come up.
inline void PressInTurn(const std::vector<WORD>& keys, DWORD pauseMilliseconds = 100) {
  for (WORD key : keys) {
    PressKeys({key});
    Sleep(pauseMilliseconds);
  }
}

}  // namespace test
