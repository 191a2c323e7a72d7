#include "control_flag_list.h"

#include <gtest/gtest.h>

#include "flag_records.h"

namespace amb {
namespace {

TEST(ControlFlagList, NeverSizedHasNoEntryAtAll) {
  ControlFlagList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Entry(0), nullptr);
  EXPECT_EQ(list.Entry(1), nullptr);
}

TEST(ControlFlagList, ResizingKeepsWhatFitsAndAddsEmptyEntries) {
  ControlFlagList list;
  ASSERT_TRUE(list.Resize(5));
  for (int i = 0; i <= 5; ++i) ASSERT_NE(list.Entry(i), nullptr) << i;
  EXPECT_EQ(list.Entry(6), nullptr);
  for (int i = 1; i <= 5; ++i) {
    list.Entry(i)->key = "ctl" + std::to_string(i);
    (*list.Entry(i))[DontScale::Bottom] = true;
  }

  ASSERT_TRUE(list.Resize(3));
  EXPECT_EQ(list.Entry(4), nullptr);
  EXPECT_EQ(list.Entry(3)->key, "ctl3");

  ASSERT_TRUE(list.Resize(6));
  EXPECT_EQ(list.Entry(3)->key, "ctl3");
  EXPECT_TRUE((*list.Entry(3))[DontScale::Bottom]);
  for (int i = 4; i <= 6; ++i) EXPECT_EQ(*list.Entry(i), FlagEntry{}) << "entry " << i << " must come back empty";
  EXPECT_EQ(list.Entry(-1), nullptr);
}

TEST(ControlFlagList, NegativeCountChangesNothing) {
  ControlFlagList list;
  list.Resize(2);
  list.Entry(2)->key = "keep";
  EXPECT_FALSE(list.Resize(-1));
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Entry(2)->key, "keep");
}

TEST(ControlFlagList, NamesOfTheStoredEntries) {
  EXPECT_EQ(FlagPropertyName(DontScale::Control), "ControlFlagDontScaleControl");
  EXPECT_EQ(EntryBagName(FlagPropertyName(DontScale::Bottom), 12), "ControlFlagDontScaleBottom12");
  EXPECT_EQ(EntryBagName(kFlagKeyPropertyName, 1), "ControlFlagControlKey1");
}

TEST(FlagRecords, OneRecordPerKeyWhateverTheCase) {
  FlagRecords records;
  records.Ensure("txtName")[DontScale::Font] = true;
  records.Ensure("cmdOK");
  EXPECT_TRUE(records.Ensure("TXTNAME")[DontScale::Font]);
  EXPECT_EQ(records.Size(), 2u);
  EXPECT_EQ(records.List()->KeyAt(0), "txtName");
  EXPECT_EQ(records.Find("txtname")->key, "txtName");
  EXPECT_EQ(records.Find("Label1(2)"), nullptr);
}

// A control whose name reads empty once got a fresh entry on every pass.
TEST(FlagRecords, TheEmptyKeyIsAKeyLikeAnyOtherAndOnlyAKeylessAddIsReachedByPositionAlone) {
  FlagRecords records;
  records.Ensure("")[DontScale::Top] = true;
  records.List()->AddWithoutKey(std::make_shared<FlagRecord>());
  records.Ensure("cmdOK");
  records.List()->RemoveAt(2);
  EXPECT_TRUE(records.Ensure("")[DontScale::Top]);
  EXPECT_EQ(records.Size(), 2u);
  EXPECT_FALSE(records.List()->Add("", std::make_shared<FlagRecord>())) << "taken";
}

}  // namespace
}  // namespace amb
