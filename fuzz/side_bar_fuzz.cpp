// The side bar's block as a caption holds it, and its text cut into lines; a caption built for a
// look reads back with the look's text and font.
#include "fuzz_input.h"
#include "side_bar_caption.h"
#include "side_bar_text.h"

using namespace modMenus;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto f = fuzz::Fields(data, size, 3);
  SideBarSpec spec = ReadSideBarSpec(f[0], 0xF0F0F0, fuzz::FixedSystemColor);

  std::vector<std::string> lines{spec.text};
  auto measure = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
  SplitSideBarLines(lines, fuzz::SmallNumber(f[2], 2) == 1, measure, 20 + fuzz::SmallNumber(f[2], 400));
  SideBarLineText(f[0]);

  SideBarLook look;
  look.text = std::string(f[1]);
  look.font = std::string(f[2]);
  std::string caption = BuildSideBarCaption(look);
  SideBarSpec back = ReadSideBarSpec(caption, 0xF0F0F0, fuzz::FixedSystemColor);
  // What the caption language cannot carry ("|" ends a key, "}" the block) is the caption's own
  // concern; a text and a font free of them come back as they went in.
  bool plain = look.text.find_first_of("|{}\t\r\n") == std::string::npos &&
               look.font.find_first_of("|{}\t\r\n:") == std::string::npos;
  if (plain) {
    fuzz::Check(back.text == look.text, "the side bar's text reads back as built");
    fuzz::Check(back.font == look.font, "the side bar's font reads back as built");
  }
  return 0;
}
