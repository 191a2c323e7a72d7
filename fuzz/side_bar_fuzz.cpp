// The side bar's block as a caption holds it, and its text cut into lines; a caption built for a
// whole look (text, font, tip, size, width, alignment) reads back with that look.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "caption_text.h"
#include "fuzz_input.h"
#include "side_bar_caption.h"
#include "side_bar_text.h"

using namespace modMenus;

namespace {

// What the caption language cannot carry: "|" ends a key, "}" the block, a tab starts the right
// text, and a "Tip:" anywhere in the block is the item's tip, whose text no other key keeps.
bool Carried(std::string_view text, std::string_view more) {
  return text.find_first_of("|{}\t\r\n") == std::string_view::npos &&
         text.find_first_of(more) == std::string_view::npos && FindNoCase(text, "Tip:") == kNotFound;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 5);
  SideBarSpec spec = ReadSideBarSpec(f[0], 0xF0F0F0, fuzz::FixedSystemColor);

  std::vector<std::string> lines{spec.text};
  auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
  SplitSideBarLines(lines, fuzz::SmallNumber(f[2], 2) == 1, measure, 20 + fuzz::SmallNumber(f[2], 400));
  SideBarLineText(f[0]);

  SideBarLook look;
  look.text = std::string(f[1]);
  look.font = std::string(f[2]);
  look.tip = std::string(f[3]);
  const std::string_view numbers = f[4];
  if (numbers.size() >= sizeof look.fSize) std::memcpy(&look.fSize, numbers.data(), sizeof look.fSize);
  look.width = static_cast<int16_t>(fuzz::ByteAt(numbers, 4) | fuzz::ByteAt(numbers, 5) << 8);
  look.align = fuzz::ByteAt(numbers, 6) % 4;
  std::string caption = BuildSideBarCaption(look);
  SideBarSpec back = ReadSideBarSpec(caption, 0xF0F0F0, fuzz::FixedSystemColor);
  // A text, font or tip holding what the language cannot carry may add keys of its own.
  if (!Carried(look.text, "") || !Carried(look.font, ":") || !Carried(look.tip, "")) return 0;
  fuzz::Check(back.text == look.text, "the side bar's text reads back as built");
  fuzz::Check(back.font == look.font, "the side bar's font reads back as built");
  // Sizes below 9 are written as 9 (a NaN too); what is read is held to 7..24.
  const double written = look.fSize >= 9 ? look.fSize : 9;
  const double expected = std::clamp(written, 7.0, 24.0);
  fuzz::Check(std::fabs(back.size - expected) <= 1e-5 * expected, "the side bar's size reads back as built");
  fuzz::Check(back.width == std::clamp<int>(look.width, kMinSideBarWidth, kMaxSideBarWidth),
              "the side bar's width reads back as built");
  const SideBarAlign align[] = {SideBarAlign::Center, SideBarAlign::Top, SideBarAlign::Bottom, SideBarAlign::Center};
  fuzz::Check(back.align == align[look.align], "the side bar's alignment reads back as built");
  return 0;
}
