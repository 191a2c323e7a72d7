#pragma once
// The caption a host writes into its first menu item to have the side bar drawn.
#include <cstdint>
#include <string>

namespace modMenus {

struct SideBarLook {
  std::string text;  // lines separated by "<br>"; empty becomes " "
  std::string font;  // empty becomes "Arial"
  float fSize = 9, minFSize = 0;
  bool bold = false, underline = false, italic = false;
  uint32_t fColor = 0, bColor = 0;
  uint32_t gColor = 1;  // 1: no gradient colour
  int16_t width = 16;   // raised to 16 when below
  int32_t align = 0;    // 0 centred, 1 top, 2 bottom
  bool noScroll = false;
  std::string tip;
  bool sbDisabled = false;
};

// The look may be adjusted on the way (empty text and font, a narrow width): the caller's copy
// holds what the caption says.
std::string BuildSideBarCaption(SideBarLook& look);

}  // namespace modMenus
