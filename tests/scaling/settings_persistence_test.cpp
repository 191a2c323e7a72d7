#include "settings_persistence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace amb {
namespace {

std::vector<std::string> Names(const MemoryBag& bag) {
  std::vector<std::string> names;
  for (const auto& e : bag.Entries()) names.push_back(e.first);
  return names;
}

MemoryBag Written(const AmbreloSettings& s, const DesignSize& design = {}) {
  MemoryBag bag;
  WriteSettings(s, design, bag);
  return bag;
}

// Every value away from its default, so that every name is written.
AmbreloSettings AllChanged() {
  AmbreloSettings s;
  s.enabled = false;
  s.scaleFonts = s.scaleControls = s.scaleBorders = s.resizeOnMouseUp = s.scaleGraphics = false;
  s.beepOnMinMax = s.resizeAtOnce = false;
  s.centerX = s.centerY = s.gradientFill = s.stayOnTop = s.saveWindowState = true;
  s.gradientColour = 1, s.gradientColour2 = 2, s.gradientMidColour = 3, s.gradientType = 1, s.gradientSource = 42;
  s.scaleX = 150, s.scaleY = 20;
  s.minWidth = 1, s.minHeight = 2, s.maxWidth = 3, s.maxHeight = 4, s.mdiChildWidth = 5, s.mdiChildHeight = 6;
  s.replaceFontsWith = "Arial", s.windowName = "Main";
  s.formPicture = 3, s.formClose = 7, s.formOpen = -2, s.formCloseTime = 2.5f, s.formOpenTime = 0;
  s.flags.Resize(1);
  s.flags.Entry(1)->key = "txtName";
  for (DontScale f : kAllDontScale) (*s.flags.Entry(1))[f] = true;
  return s;
}

TEST(SettingsPersistence, WritesEveryNameInItsOrder) {
  std::vector<std::string> expected = {
      "ScaleFonts", "CenterX", "CenterY", "GradientFill", "GradientColour", "GradientColour2", "GradientMidColour",
      "GradientType", "GradientSource", "ScaleControls", "ScaleX", "ScaleY", "StayOnTop", "MinWidth", "MinHeight",
      "MaxWidth", "MaxHeight", "ScaleBorders", "ResizeOnMouseUp", "ControlFlagCount", "ControlFlagControlKey1",
      "ControlFlagDontScaleControl1", "ControlFlagDontScaleFont1", "ControlFlagDontScaleBorder1",
      "ControlFlagDontScaleGraphic1", "ControlFlagDontScaleLeft1", "ControlFlagDontScaleTop1",
      "ControlFlagDontScaleWidth1", "ControlFlagDontScaleHeight1", "ControlFlagDontScaleRight1",
      "ControlFlagDontScaleBottom1", "ScaleGraphics", "ReplaceFontsWith", "SaveWindowState", "WindowName",
      "MdiChildHeight", "MdiChildWidth", "FormPicture", "FormClose", "FormOpen", "FormCloseTime", "FormOpenTime",
      "BeepOnMinMax", "ResizeAtOnce", "Enabled", "DesignFormWidth", "DesignFormHeight", "DesignFormScaleWidth",
      "DesignFormScaleHeight"};
  EXPECT_EQ(Names(Written(AllChanged(), {9000, 7000, 8880, 6600})), expected);

  MemoryBag bag = Written(AllChanged());
  EXPECT_EQ(TypeOf(*bag.Find("FormClose")), BagType::Integer);
  EXPECT_EQ(TypeOf(*bag.Find("MinWidth")), BagType::Long);
  EXPECT_EQ(TypeOf(*bag.Find("FormCloseTime")), BagType::Single);
}

TEST(SettingsPersistence, DefaultsAreLeftOut) {
  EXPECT_TRUE(Written(AmbreloSettings{}).Entries().empty());
  EXPECT_EQ(Names(Written(AmbreloSettings{}, {9000, 7000, 8880, 6600})),
            (std::vector<std::string>{"DesignFormWidth", "DesignFormHeight", "DesignFormScaleWidth",
                                      "DesignFormScaleHeight"}));
}

TEST(SettingsPersistence, EmptyBagGivesTheReadingDefaults) {
  AmbreloSettings s = AllChanged();
  s.design = {1, 2, 3, 4};
  FlagRecords records;
  MemoryBag empty;
  ReadSettings(empty, s, records);

  AmbreloSettings expected;
  expected.flags.Resize(0);
  EXPECT_EQ(Written(s, s.design).Entries(), Written(expected).Entries());
  EXPECT_EQ(s.design, DesignSize{});
  EXPECT_EQ(s.flags.Count(), 0);
  EXPECT_NE(s.flags.Entry(0), nullptr) << "the arrays get the bounds 0 to 0";
  EXPECT_EQ(records.Size(), 0u);
}

TEST(SettingsPersistence, ReadTakesStoredValuesWithoutTheAccessorLimits) {
  MemoryBag bag;
  bag.Write("ScaleX", int16_t{150});
  bag.Write("FormCloseTime", int16_t{12});
  bag.Write("FormClose", int32_t{70000});
  bag.Write("FormOpen", int32_t{3});
  bag.Write("ScaleY", std::string("not a number"));
  AmbreloSettings s;
  s.scaleY = 33;
  FlagRecords records;
  ReadSettings(bag, s, records);
  EXPECT_EQ(s.scaleX, 150);
  EXPECT_EQ(s.formCloseTime, 12);
  EXPECT_EQ(s.formClose, 0) << "outside 16 bits leaves the field as it was";
  EXPECT_EQ(s.formOpen, 3) << "reading goes on after the refused value";
  EXPECT_EQ(s.scaleY, 33) << "an unconvertible value leaves its field unchanged";
}

TEST(SettingsPersistence, FlagListBuildsOneRecordPerKey) {
  MemoryBag bag;
  bag.Write("ControlFlagCount", int16_t{3});
  bag.Write("ControlFlagControlKey1", std::string("txtName"));
  bag.Write("ControlFlagDontScaleFont1", true);
  bag.Write("ControlFlagControlKey3", std::string("TXTNAME"));
  bag.Write("ControlFlagDontScaleBottom3", true);
  AmbreloSettings s;
  FlagRecords records;
  ReadSettings(bag, s, records);

  ASSERT_EQ(s.flags.Count(), 3);
  EXPECT_EQ(*s.flags.Entry(2), FlagEntry{}) << "a missing entry comes back empty";
  ASSERT_EQ(records.Size(), 2u) << "txtName and the empty key of entry 2";
  const FlagEntry* rec = records.Find("txtname");
  ASSERT_NE(rec, nullptr);
  EXPECT_FALSE((*rec)[DontScale::Font]) << "the later entry's flags win";
  EXPECT_TRUE((*rec)[DontScale::Bottom]);

  MemoryBag back = Written(s);
  EXPECT_NE(back.Find("ControlFlagControlKey1"), nullptr);
  EXPECT_NE(back.Find("ControlFlagControlKey3"), nullptr) << "both duplicate entries are written back";
}

TEST(SettingsPersistence, NegativeStoredCountReadsAsZero) {
  MemoryBag bag;
  bag.Write("ControlFlagCount", int16_t{-4});
  AmbreloSettings s;
  FlagRecords records;
  ReadSettings(bag, s, records);
  EXPECT_EQ(s.flags.Count(), 0);
  EXPECT_NE(s.flags.Entry(0), nullptr);
  EXPECT_EQ(Written(s).Find("ControlFlagCount"), nullptr);
}

TEST(SettingsPersistence, WriteReadWriteGivesTheSameBag) {
  DesignSize design{9000, 7000, 8880, 6600};
  MemoryBag first = Written(AllChanged(), design);
  AmbreloSettings loaded;
  FlagRecords records;
  ReadSettings(first, loaded, records);
  EXPECT_EQ(loaded.design, design);
  EXPECT_EQ(Written(loaded, loaded.design), first);
}

TEST(SettingsPersistence, NewInstanceDefaultsKeepWhatTheContainerDoesNotReset) {
  AmbreloSettings s = AllChanged();
  s.design = {1, 2, 3, 4};
  ApplyNewInstanceDefaults(s);
  EXPECT_FALSE(s.enabled);
  EXPECT_EQ(s.mdiChildWidth, 5);
  EXPECT_EQ(s.design, (DesignSize{1, 2, 3, 4}));
  EXPECT_EQ(s.flags.Count(), 1) << "count and arrays stay together";
  EXPECT_TRUE(s.scaleFonts);
  EXPECT_EQ(s.replaceFontsWith, "<none>");
  EXPECT_EQ(s.formCloseTime, 1);
}

}  // namespace
}  // namespace amb
