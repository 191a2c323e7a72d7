#pragma once
// The key names the hot-key settings hold, and the command and virtual key each one stands for.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace DozIzevodoz {

// The command id and virtual key of a key name (exact letter case). An unknown name leaves both
// unchanged and gives false.
bool GetHotKeyId(const std::string& name, uint8_t& id, uint8_t& vk);

// The hot-key values "0" to "11" of the hot-key key ("" where there is none).
inline constexpr int kHotKeyValueCount = 12;
using StoredHotKeys = std::array<std::string, kHotKeyValueCount>;

// A hot-key value whose text is no key name.
struct SkippedHotKey {
  int value;
  std::string text;
};
// The one message that names every skipped value: each text cut short and its control characters
// written as \xNN, so that junk in the settings can neither flood nor garble the box.
std::string SkippedHotKeysText(const std::vector<SkippedHotKey>& skipped);

}  // namespace DozIzevodoz
