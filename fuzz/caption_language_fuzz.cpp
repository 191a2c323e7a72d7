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
  uint16_t flags = static_cast<uint16_t>(fuzz::SmallNumber(f[3], 0x10000));
  ParseItemCaption(caption, fuzz::SmallNumber(f[3], 8), flags, tip);
  return 0;
}
