#pragma once
// Where the update notice rises and sinks, in twips. 32-bit throughout: a wide screen's work
// area is more than 16-bit twips can hold.
#include <cstdint>
#include <vector>

namespace frmUpdateGeometry {

struct WorkArea {  // pixels, as the system reports it
  int32_t left, top, right, bottom;
};

struct Corner {  // twips from the screen's top-left corner
  int32_t x, y;
};

// The work area's own bottom-right corner, so a task bar on the top or the left is allowed for.
Corner BottomRight(const WorkArea& area, int32_t twipsPerPixelX, int32_t twipsPerPixelY);

// The tops the notice takes while it rises in 5-twip steps from just inside the corner's bottom
// until its bottom edge reaches the corner; the counter limits the steps to height / 5 + 1.
std::vector<int32_t> SlideInTops(int32_t cornerY, int32_t height);

// The tops while it sinks in 5-twip steps until it is well below its start (about 2.5 heights).
std::vector<int32_t> SlideOutTops(int32_t top, int32_t height);

}  // namespace frmUpdateGeometry
