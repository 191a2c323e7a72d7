// Menu captions as a host writes them: the attribute block, its keys, and one item's full reading.
#include "caption_language.h"
#include "fuzz_input.h"
#include "item_caption.h"

using namespace modMenus;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 4);
  std::string_view caption = f[0], key = f[1], tip = f[2];
  SplitCaptionResult split = SplitCaption(caption);
  GetAttribute(split.block, key);
  GetAttribute(caption, key);
  // The item's flags from a whole word (submenus, list panels, colour and font items included), its
  // position from a byte of its own.
  const std::string_view numbers = f[3];
  const auto flags = static_cast<uint16_t>(fuzz::ByteAt(numbers, 0) | fuzz::ByteAt(numbers, 1) << 8);
  ParseItemCaption(caption, fuzz::ByteAt(numbers, 2) % 8, flags, tip);
  return 0;
}
