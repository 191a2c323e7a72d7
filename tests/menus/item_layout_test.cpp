#include <gtest/gtest.h>

#include "item_layout.h"

namespace {

using namespace modMenus;

TEST(ItemLayout, ItemSizes) {
  EXPECT_EQ(MeasuredItemSize(0, 13, true, false).height, 6);   // a plain separator
  EXPECT_EQ(MeasuredItemSize(50, 8, false, true).height, 22);  // small font, still 20 + 2
  EXPECT_EQ(MeasuredItemSize(50, 8, false, true).width, 90);
  EXPECT_EQ(MeasuredItemSize(30, 10, true, true).height, 12);  // a captioned separator keeps its text height
}

TEST(ItemLayout, ColumnPadding) {
  EXPECT_EQ(ColumnPadding(false, false, false, 0), 0);
  EXPECT_EQ(ColumnPadding(true, false, false, 0), 15);
  EXPECT_EQ(ColumnPadding(true, true, false, 0), 35);
  EXPECT_EQ(ColumnPadding(true, true, true, 0), 50);
  EXPECT_EQ(ColumnPadding(true, true, true, 35), 0);
}

TEST(ItemLayout, SideBarTakesAColumnOfItsOwn) {
  EXPECT_EQ(PlanColumns({99, 20, 20, 20}, true, 1000).breaks, std::vector<int>{1});
  EXPECT_FALSE(PlanColumns({99, 20, 20, 20}, true, 1000).overflows);
  EXPECT_TRUE(PlanColumns({20, 20, 20}, false, 30).breaks.empty());  // without a side bar the system scrolls
}

TEST(ItemLayout, OverflowingColumnsBreakAtTheFirstColumnsHeight) {
  // Limit 65: the first column takes 3 items (60), later ones at most 60 too.
  const ColumnPlan plan = PlanColumns({0, 20, 20, 20, 20, 20, 20, 25, 25}, true, 65);
  EXPECT_TRUE(plan.overflows);
  EXPECT_EQ(plan.breaks, (std::vector<int>{1, 4, 7}));
  // An item taller than the limit gets a column of its own and the walk still ends.
  EXPECT_EQ(PlanColumns({0, 500, 20, 600, 20}, true, 100).breaks, (std::vector<int>{1, 2, 3, 4}));
}

}  // namespace
