#include "side_bar_caption.h"

#include <cstdio>

namespace modMenus {
namespace {

// Sizes are written as the shortest text that reads back as the same number ("14", "8.5").
std::string NumberText(float value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(value));
  return buffer;
}

}  // namespace

std::string BuildSideBarCaption(SideBarLook& look) {
  if (look.text.empty()) look.text = " ";
  if (look.font.empty()) look.font = "Arial";
  std::string head = "{Sidebar|Text:" + look.text + "|Font:" + look.font;

  std::string size = look.fSize >= 9 ? "|FSize:" + NumberText(look.fSize) : "|FSize:9";
  if (look.minFSize != 0) size += "|MinFSize:" + NumberText(look.minFSize);
  if (look.bold) size += "|Bold";
  if (look.underline) size += "|Underline";
  if (look.italic) size += "|Italic";
  if (look.sbDisabled) size += "|SBDisabled";
  size += "|FColor:" + std::to_string(look.fColor) + "|BColor:" + std::to_string(look.bColor);
  if (look.gColor != 1) size += "|GColor:" + std::to_string(look.gColor);
  if (look.width < 16) look.width = 16;
  size += "|Width:" + std::to_string(look.width);
  static const char* const kAlign[] = {"|Align:Ctr", "|Align:Top", "|Align:Bot"};
  if (look.align >= 0 && look.align <= 2) size += kAlign[look.align];
  if (look.noScroll) size += "|NoScroll";

  if (!look.tip.empty()) head += "|Tip:" + look.tip;
  return head + size + "}";
}

}  // namespace modMenus
