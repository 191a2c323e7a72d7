#include "hot_key_boxes.h"

#include "vb_hot_key_names.h"

namespace tray {

std::array<bool, kHotKeyBoxes.size()> TickedHotKeyBoxes(const StoredHotKeys& stored) {
  std::array<bool, kHotKeyBoxes.size()> ticked{};
  for (const std::string& name : stored) {
    if (name.empty()) continue;
    // The look-up leaves the id alone for an unknown name; starting afresh keeps a bad name from
    // ticking the box of the name before it.
    uint8_t id = 0xFF, vk = 0;
    if (!DozIzevodoz::GetHotKeyId(name, id, vk)) continue;
    for (size_t box = 0; box < kHotKeyBoxes.size(); ++box)
      if (kHotKeyBoxes[box].id == id) ticked[box] = true;
  }
  return ticked;
}

}  // namespace tray
