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

constexpr size_t kShownCharacters = 24;

std::string Printable(const std::string& text) {
  // Cut after whole characters (the settings hold UTF-8), never inside one; stray continuation bytes
  // count as characters of their own once a character has its four, so junk stays short too.
  size_t end = 0;
  for (size_t characters = 0, bytes = 0; end < text.size(); ++end, ++bytes) {
    const bool startsCharacter = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80 || bytes == 4;
    if (!startsCharacter) continue;
    if (characters++ == kShownCharacters) break;
    bytes = 0;
  }
  const bool cut = end < text.size();
  std::string shown;
  for (unsigned char c : text.substr(0, end)) {
    if (c < 0x20 || c == 0x7F) {
      constexpr char kHex[] = "0123456789ABCDEF";
      shown += {'\\', 'x', kHex[c >> 4], kHex[c & 0xF]};
    } else {
      shown += static_cast<char>(c);
    }
  }
  return cut ? shown + "..." : shown;
}

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

std::string SkippedHotKeysText(const std::vector<SkippedHotKey>& skipped) {
  std::string text = "These hot-key settings name no key and were skipped:";
  for (const SkippedHotKey& key : skipped)
    text += "\r\n\"" + std::to_string(key.value) + "\" = \"" + Printable(key.text) + "\"";
  return text;
}

}  // namespace DozIzevodoz
