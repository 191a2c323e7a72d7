#include "item_layout.h"

#include <algorithm>

namespace modMenus {

ItemSize MeasuredItemSize(int textWidth, int textHeight, bool separator, bool hasText) {
  ItemSize size;
  if (separator && !hasText) {
    size.width = textWidth;
    size.height = 4;
  } else {
    size.width = textWidth + 40;
    size.height = separator ? textHeight : std::max(textHeight, 20);
  }
  size.height += 2;
  return size;
}

int ColumnPadding(bool hasRightText, bool hasSubmenus, bool hasSystemItems, int osWidthAdjust) {
  if (osWidthAdjust != 0) return 0;
  int padding = 0;
  if (hasRightText) padding += hasSubmenus ? 35 : 15;
  if (hasSystemItems) padding += 15;
  return padding;
}

ColumnPlan PlanColumns(const std::vector<int>& heights, bool sideBar, int limit) {
  ColumnPlan plan;
  if (!sideBar || heights.size() < 2) return plan;
  plan.breaks.push_back(1);
  int running = 0;
  bool firstOverflow = true;
  for (size_t i = 1; i < heights.size(); ++i) {
    running += heights[i];
    if (running > limit && i > 1) {
      plan.breaks.push_back(static_cast<int>(i));
      plan.overflows = true;
      // Later columns break at the height the first one reached.
      if (firstOverflow) limit = std::max(running - heights[i], 1);
      firstOverflow = false;
      running = heights[i];
    }
  }
  return plan;
}

}  // namespace modMenus
