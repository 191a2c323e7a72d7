#include "vb_hot_key_names.h"

namespace DozIzevodoz {
namespace {

struct KeyName {
  const char* name;
  uint8_t id;
  uint8_t vk;
};

// The command belongs to the key, not to the value that names it: "6" = "VK_S" shuts down.
constexpr KeyName kKeyNames[] = {
    {"VK_F", 6, 0x46}, {"VK_L", 3, 0x4C}, {"VK_O", 8, 0x4F}, {"VK_P", 2, 0x50},
    {"VK_S", 0, 0x53}, {"VK_H", 4, 0x48}, {"VK_Z", 5, 0x5A}, {"VK_X", 7, 0x58},
    {"VK_R", 1, 0x52}, {"VK_ENTER", 9, 0x0D}, {"VK_N", 6, 0x4E},
};

}  // namespace

bool GetHotKeyId(const std::string& name, uint8_t& id, uint8_t& vk) {
  for (const KeyName& key : kKeyNames) {
    if (name == key.name) {
      id = key.id;
      vk = key.vk;
      return true;
    }
  }
  return false;
}

}  // namespace DozIzevodoz
