#pragma once
// The key names the hot-key settings hold, and the command and virtual key each one stands for.
#include <cstdint>
#include <string>

namespace DozIzevodoz {

// The command id and virtual key of a key name (exact letter case). An unknown name leaves both
// unchanged and gives false.
bool GetHotKeyId(const std::string& name, uint8_t& id, uint8_t& vk);

}  // namespace DozIzevodoz
