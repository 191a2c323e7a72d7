#pragma once
// Sizes and columns of an owner-drawn popup, in pixels: what an item's measured text makes of
// it, the extra width a column's items get, and where columns break when a popup with a side bar
// is higher than the screen.
#include <vector>

namespace modMenus {

struct ItemSize {
  int width = 0, height = 0;
};

// An item whose text measures textWidth x textHeight: a separator without text is a 4-pixel line
// (6 with its margin); other items are at least 20 high and get 40 pixels for the image column
// and margins; every item gets 2 more pixels of height.
ItemSize MeasuredItemSize(int textWidth, int textHeight, bool separator, bool hasText);

// The extra width of a column's items: room for the right-hand column (15, 20 more beside
// submenu arrows) and for system commands (15); none where the system sizes those columns itself
// (osWidthAdjust not 0).
int ColumnPadding(bool hasRightText, bool hasSubmenus, bool hasSystemItems, int osWidthAdjust);

struct ColumnPlan {
  // Positions of the items that start a new column. With a side bar the first entry is the item
  // after it (a break without bar); the others come from overflow (breaks with bar).
  std::vector<int> breaks;
  bool overflows = false;  // the items need more than the side bar's neighbour column
};

// heights by position; the side bar, when there is one, is position 0 and counts no height.
// limit is the height a column may reach (the screen height less 7).
ColumnPlan PlanColumns(const std::vector<int>& heights, bool sideBar, int limit);

}  // namespace modMenus
