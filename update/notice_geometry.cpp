#include "notice_geometry.h"

namespace frmUpdateGeometry {

Corner BottomRight(const WorkArea& area, int32_t twipsPerPixelX, int32_t twipsPerPixelY) {
  return {area.right * twipsPerPixelX, area.bottom * twipsPerPixelY};
}

std::vector<int32_t> SlideInTops(int32_t cornerY, int32_t height) {
  std::vector<int32_t> tops;
  int32_t top = cornerY - 5;
  tops.push_back(top);
  for (int32_t counter = 0; cornerY - height < top && height >= counter; counter += 5) {
    top -= 5;
    tops.push_back(top);
  }
  return tops;
}

std::vector<int32_t> SlideOutTops(int32_t top, int32_t height) {
  std::vector<int32_t> tops;
  for (int32_t counter = 0; height >= counter; counter += 2) {
    top += 5;
    tops.push_back(top);
  }
  return tops;
}

}  // namespace frmUpdateGeometry
