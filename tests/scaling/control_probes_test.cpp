#include "control_probes.h"

#include <gtest/gtest.h>

#include <limits>

#include "control_capture.h"
#include "fake_host_object.h"

namespace amb {
namespace {

using test::FakeForm;
using test::FakePtr;
using test::MakeFake;

TEST(ControlKey, BareNameArrayMemberAndNothing) {
  FakeForm f;
  FakePtr text = f.Add("TextBox", "txtName", {0, 0, 100, 100});
  FakePtr third = f.Add("CommandButton", "cmdGo", {0, 0, 100, 100}, nullptr, 2);
  std::string key = "stale";
  ASSERT_TRUE(GetControlKey(text.get(), key));
  EXPECT_EQ(key, "txtName") << "a control outside an array has no readable Index";
  ASSERT_TRUE(GetControlKey(third.get(), key));
  EXPECT_EQ(key, "cmdGo(2)");
  ASSERT_TRUE(GetControlKey(nullptr, key));
  EXPECT_EQ(key, "");
  text->members.erase("Name");
  EXPECT_FALSE(GetControlKey(text.get(), key)) << "a control without a Name is the caller's error";
}

TEST(ControlKey, CollectionsFindKeysWhateverTheirCase) {
  ControlRecords records;
  records.Ensure("txtName").width = 5;
  ASSERT_NE(records.Find("TXTNAME"), nullptr);
  EXPECT_EQ(records.Find("TXTNAME")->width, 5);
  EXPECT_EQ(records.Find("txtNam"), nullptr);
  records.Ensure("TxtName");
  EXPECT_EQ(records.Size(), 1u);
}

TEST(ControlProbes, WhatEachKindOfControlCanDo) {
  FakeForm f;
  FakePtr line = f.AddLine("linTop", 0, 0, 100, 0);
  EXPECT_TRUE(CanScaleControl(*line));
  EXPECT_TRUE(CanScaleBorder(*line));
  EXPECT_FALSE(CanScaleGraphic(*line));

  FakePtr box = f.Add("PictureBox", "picLogo", {0, 0, 100, 100});
  box->members["Picture"] = HostObjectPtr();
  EXPECT_TRUE(CanScaleGraphic(*box)) << "an empty Picture still counts as present";

  FakePtr images = MakeFake(f.stats, "ImageList");
  EXPECT_TRUE(CanScaleGraphic(*images));
  EXPECT_FALSE(CanScaleControl(*images));

  FakePtr timer = MakeFake(f.stats, "Timer");
  timer->members = {{"Name", std::string("tmrTick")}, {"Interval", 100.0}};
  EXPECT_FALSE(CanScaleControl(*timer));

  EXPECT_FALSE(CanScaleControl(*f.form));
  EXPECT_FALSE(CanScaleFont(*f.form));
  FakePtr mdi = f.Add("MDIForm", "mdiMain", {0, 0, 100, 100});
  mdi->isMdiParent = true;
  EXPECT_TRUE(CanScaleControl(*mdi)) << "an MDI parent answers by its members";
}

TEST(ControlProbes, AnyOfTheFiveFontsCounts) {
  FakeForm f;
  FakePtr calendar = f.Add("MonthView", "calDue", {0, 0, 100, 100});
  EXPECT_FALSE(CanScaleFont(*calendar));
  FakeForm::GiveFont(calendar, "TitleFont", 8);
  EXPECT_TRUE(CanScaleFont(*calendar));
  FakePtr header = f.Add("Grid", "grdRows", {0, 0, 100, 100});
  FakeForm::GiveFont(header, "HeadFont", 8);
  EXPECT_TRUE(CanScaleFont(*header)) << "a font the engine scales can be excluded";
}

TEST(HostCount, ACountNoWholeNumberHoldsIsRefused) {
  auto stats = std::make_shared<test::FakeStats>();
  struct Case {
    double answer;
    bool ok;
    int32_t count;
  } cases[] = {{3, true, 3}, {2147483647.0, true, INT32_MAX}, {1e300, false, 0}, {-1e300, false, 0},
               {std::numeric_limits<double>::quiet_NaN(), false, 0}, {std::numeric_limits<double>::infinity(), false, 0}};
  for (const Case& c : cases) {
    FakePtr list = MakeFake(stats, "ListItems");
    list->members = {{"Count", c.answer}};
    int32_t count = 0;
    HostStatus s = CountOf(*list, count);
    EXPECT_EQ(s.ok, c.ok) << c.answer;
    if (c.ok) {
      EXPECT_EQ(count, c.count) << c.answer;
    } else {
      EXPECT_EQ(s.description, "Overflow") << c.answer;
    }
  }
}

TEST(ControlFilter, NoResizeNamesAndMenusStayOut) {
  struct Case {
    const char* type;
    const char* name;
    bool takesPart;
  } cases[] = {{"PictureBox", "NoResizePanel", false}, {"Label", "NORESIZE1", false}, {"Label", "noresizex", false},
               {"Label", "NoResiz", true},             {"Menu", "mnuFile", false},      {"Label", "lblNoResize", true}};
  for (const Case& c : cases) EXPECT_EQ(TakesPart(c.type, c.name), c.takesPart) << c.name;
}

TEST(ControlKinds, DecidedFromTypeNamesLaterTestsWinning) {
  struct Case {
    KindFacts facts;
    ControlKind kind;
  } cases[] = {
      {{"TextBox", std::string("Form"), false}, ControlKind::Ordinary},
      {{"SSTab", std::nullopt, false}, ControlKind::TabControl},
      {{"SSTab", std::string("SSTab"), false}, ControlKind::OnTabControl},
      {{"Line", std::string("SSTab"), false}, ControlKind::Line},
      {{"ImageList", std::string("Form"), false}, ControlKind::ImageList},
      {{"MDIForm", std::nullopt, true}, ControlKind::Form},
  };
  for (const Case& c : cases) EXPECT_EQ(KindOf(c.facts), c.kind) << c.facts.typeName;
}

TEST(ControlKinds, CapabilitiesFromReadableMembers) {
  ControlRecord r;
  DecideCapabilities({ControlKind::Ordinary, "TabStrip", true, false, false, true, false, true}, r);
  EXPECT_TRUE(r.hasTabs);
  EXPECT_TRUE(r.hasImageList);
  EXPECT_FALSE(r.hasTwoImageLists) << "both Icons and SmallIcons are needed";
  DecideCapabilities({ControlKind::TabControl, "SSTab", true, false, false, false, false, false}, r);
  EXPECT_TRUE(r.hasTabs) << "a tab control's Tabs count keeps the flag as it was";
  DecideCapabilities({ControlKind::Ordinary, "AeEntryBox", false, true, true, false, true, true}, r);
  EXPECT_FALSE(r.hasTabs);
  EXPECT_FALSE(r.hasButtons);
  EXPECT_TRUE(r.hasNodes);
  EXPECT_TRUE(r.hasTwoImageLists);
}

}  // namespace
}  // namespace amb
