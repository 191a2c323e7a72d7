#pragma once
// The hot-key dialog's boxes: which hot key each one stands for, and which are ticked for the
// values stored under the hot-key key.
#include <array>
#include <cstdint>
#include <string>

#include "vb_hot_key_names.h"

namespace tray {

using DozIzevodoz::StoredHotKeys;

struct HotKeyBox {
  const char* box;        // the check box's name
  const char* caption;
  const char* valueName;  // the hot-key id as text
  const char* keyName;    // what a ticked box stores
  const char* hint;       // shown while the mouse is over the box
  uint8_t id;
};

// Top to bottom as the dialog shows them.
inline constexpr std::array<HotKeyBox, 7> kHotKeyBoxes = {{
    {"cSetS", "Set Hotkey Ctrl + Alt + S for Shutdown", "0", "VK_S", "Will Set Up The Hotkey For Shutdown", 0},
    {"cSetR", "Set Hotkey Ctrl + Alt + R for Reboot", "1", "VK_R", "Will Set Up The Hotkey For Reboot", 1},
    {"cSetL", "Set Hotkey Ctrl + Alt + L for LogOff", "3", "VK_L", "Will Set Up The Hotkey For LogOff", 3},
    {"cSetP", "Set Hotkey Ctrl + Alt + P for PowerOff", "2", "VK_P", "Will Set Up The Hotkey For PowerOff", 2},
    {"cSetZ", "Set Hotkey Ctrl + Alt + Z for Suspend", "5", "VK_Z", "Will Set Up The Hotkey For Suspend", 5},
    {"cSetH", "Set Hotkey Ctrl + Alt + H for Hibernate", "4", "VK_H", "Will Set Up The Hotkey For Hibernate", 4},
    {"cSetX", "Set Hotkey Ctrl + Alt + X for Exit Program", "7", "VK_X", "Will Set Up The Hotkey For Exit Program", 7},
}};

// For each box of kHotKeyBoxes: whether a stored value names its key. The box follows the key
// name, not the value's name; names of keys without a box, and texts that name no key, tick none.
std::array<bool, kHotKeyBoxes.size()> TickedHotKeyBoxes(const StoredHotKeys& stored);

}  // namespace tray
