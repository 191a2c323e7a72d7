#include "control_capture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake_host_object.h"

namespace amb {
namespace {

using test::FakeForm;
using test::FakePtr;
using test::MakeFake;
using test::MakePicture;

constexpr float kRefW = 6000, kRefH = 4000;

class ControlCaptureTest : public ::testing::Test {
 protected:
  ControlRecord& Record(const FakePtr& c) {
    std::shared_ptr<ControlRecord> r;
    EXPECT_TRUE(RecordControl(c.get(), records, kRefW, kRefH, &r));
    return *r;
  }
  FakeForm f;
  ControlRecords records;
};

TEST_F(ControlCaptureTest, OrdinaryControlsOnTheFormAndInAFrame) {
  FakePtr label = f.Add("Label", "lblName", {100, 200, 1200, 300});
  FakeForm::GiveFont(label, "Font", 9);
  ControlRecord& l = Record(label);
  EXPECT_EQ(l.kind, ControlKind::Ordinary);
  EXPECT_EQ((Box{l.left, l.top, l.width, l.height}), (Box{100, 200, 1200, 300}));
  EXPECT_EQ((Box{l.lastLeft, l.lastTop, l.lastWidth, l.lastHeight}), (Box{100, 200, 1200, 300}));
  EXPECT_EQ(l.formWidth, kRefW) << "a control on the form is recorded against the reference size";
  EXPECT_EQ(l.fonts[0].size, 9);
  EXPECT_EQ(l.fontNames[0], "Arial");
  EXPECT_FALSE(l.picture);
  EXPECT_FALSE(l.hasBorderWidth);
  EXPECT_TRUE(l.controlIsScaleable);

  FakePtr frame = f.Add("Frame", "fraOptions", {0, 0, 3000, 2000});
  FakePtr option = f.Add("OptionButton", "optA", {100, 100, 800, 300}, frame, 2);
  option->members["Picture"] = HostObjectPtr(MakePicture(f.stats, 240, 240));
  ControlRecord& o = Record(option);
  EXPECT_EQ(o.formWidth, 3000) << "a frame child is recorded against the frame";
  EXPECT_EQ(o.formHeight, 2000);
  EXPECT_TRUE(o.picture);
  EXPECT_NE(records.Find("optA(2)"), nullptr);
}

TEST_F(ControlCaptureTest, LinesRecordOnlyTheirEnds) {
  FakePtr line = f.AddLine("linSep", 500, 100, 20, 100);
  ControlRecord& r = Record(line);
  EXPECT_EQ(r.kind, ControlKind::Line);
  EXPECT_EQ(r.x1, 500);
  EXPECT_EQ(r.x2, 20);
  EXPECT_EQ(r.width, 0);
  EXPECT_EQ(r.lastWidth, 0);
  EXPECT_TRUE(r.hasBorderWidth);
}

TEST_F(ControlCaptureTest, TabControlsTabStripsAndWhatTheyHold) {
  FakePtr tabs = f.Add("SSTab", "tabPages", {0, 0, 4000, 3000});
  tabs->members["Tabs"] = 4.0;
  tabs->members["TabHeight"] = 300.0;
  for (int i = 0; i < 4; ++i) tabs->indexed["TabPicture"][i] = HostObjectPtr(MakePicture(f.stats, 100, 100));
  ControlRecord& t = Record(tabs);
  EXPECT_EQ(t.kind, ControlKind::TabControl);
  EXPECT_EQ(t.tabHeight, 300);
  EXPECT_EQ(t.tabPicture.Size(), 4u);
  EXPECT_FALSE(t.hasTabs);

  FakePtr strip = f.Add("TabStrip", "tsView", {0, 0, 4000, 300});
  strip->members["Tabs"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
  EXPECT_TRUE(Record(strip).hasTabs);

  FakePtr inner = f.Add("SSTab", "tabInner", {0, 0, 1000, 1000}, tabs);
  EXPECT_EQ(Record(inner).kind, ControlKind::OnTabControl) << "placed on a tab control, even being one";
  FakePtr line = f.AddLine("linOnTab", 0, 0, 100, 100, tabs);
  EXPECT_EQ(Record(line).kind, ControlKind::Line);
}

TEST_F(ControlCaptureTest, ImageListsWithAndWithoutImages) {
  FakePtr list = MakeFake(f.stats, "ImageList");
  FakePtr images = MakeFake(f.stats, "Collection");
  for (int i = 1; i <= 3; ++i) {
    FakePtr image = MakeFake(f.stats, "ListImage");
    image->members = {{"Picture", HostObjectPtr(MakePicture(f.stats, 240, 240))},
                      {"Key", "k" + std::to_string(i)}, {"Tag", double(i * 10)}};
    images->items.push_back(image);
  }
  list->members = {{"Name", std::string("imlTools")}, {"ListImages", HostObjectPtr(images)}, {"ImageWidth", 16.0},
                   {"ImageHeight", 16.0}};
  list->container = f.form;
  ControlRecord& r = Record(list);
  EXPECT_EQ(r.kind, ControlKind::ImageList);
  EXPECT_EQ(r.imageListCount, 3);
  EXPECT_EQ(r.imageListWidth, 16);
  ASSERT_NE(r.imageListKey.At(3), nullptr);
  EXPECT_EQ(*r.imageListKey.At(3), "k3");
  EXPECT_EQ(*r.imageListTag.At(2), "20");
  EXPECT_EQ(r.imageListPicture.Size(), 4u) << "entries 1 to 3; entry 0 exists and stays empty";

  images->items.clear();
  list->members["Name"] = std::string("imlEmpty");
  ControlRecord& empty = Record(list);
  EXPECT_EQ(empty.imageListCount, 0);
  EXPECT_EQ(empty.imageListPicture.Size(), 0u);
}

// A host answers whatever it likes: a count no 16-bit number holds, or no number at all, is refused
// before it is converted, and never turns into as many calls back.
TEST_F(ControlCaptureTest, CountsOutOfRangeAreRefusedWithoutCallingBack) {
  for (double count : {40000.0, 2e9, 1e300, -1e300, std::nan(""), -5.0}) {
    FakePtr tabs = f.Add("SSTab", "tabHuge", {0, 0, 4000, 3000});
    tabs->members["Tabs"] = count;
    FakePtr images = MakeFake(f.stats, "ListImages");
    images->members = {{"Count", count}};
    FakePtr list = MakeFake(f.stats, "ImageList");
    list->members = {{"Name", std::string("imlHuge")}, {"ListImages", HostObjectPtr(images)}};
    list->container = f.form;
    f.stats->gets = 0;
    EXPECT_EQ(Record(tabs).tabPicture.Size(), 0u) << count;
    EXPECT_EQ(Record(list).imageListCount, 0) << count;
    EXPECT_LT(f.stats->gets, 200u) << count;
  }
}

TEST_F(ControlCaptureTest, ButtonsOfAnEntryBoxDoNotCount) {
  FakePtr toolbar = f.Add("Toolbar", "tbrMain", {0, 0, 6000, 400});
  toolbar->members["Buttons"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
  toolbar->members["ButtonWidth"] = 345.0;
  toolbar->members["ButtonHeight"] = 330.0;
  ControlRecord& t = Record(toolbar);
  EXPECT_TRUE(t.hasButtons);
  EXPECT_EQ(t.buttonHeight, 330);
  toolbar->typeName = "AeEntryBox";
  toolbar->members["Name"] = std::string("aeEntry");
  EXPECT_FALSE(Record(toolbar).hasButtons);
}

TEST_F(ControlCaptureTest, RecordingAgainUpdatesInPlaceAndKeepsTheRest) {
  FakePtr line = f.AddLine("linSep", 0, 0, 100, 0);
  ControlRecord& first = Record(line);
  first.left = 77;  // a member a line's recording does not write
  first.xScale = 2;
  line->members["X2"] = 300.0;
  ControlRecord& again = Record(line);
  EXPECT_EQ(&first, &again);
  EXPECT_EQ(records.Size(), 1u);
  EXPECT_EQ(again.x2, 300);
  EXPECT_EQ(again.left, 77);
  EXPECT_EQ(again.xScale, 2);
}

TEST_F(ControlCaptureTest, FlagsEntriesAreAddedOnceAndKept) {
  FlagRecords flags;
  flags.Ensure("TXTNAME")[DontScale::Font] = true;
  FakePtr text = f.Add("TextBox", "txtName", {0, 0, 100, 100});
  ASSERT_TRUE(EnsureControlFlags(text.get(), flags));
  EXPECT_EQ(flags.Size(), 1u);
  EXPECT_TRUE((*flags.Find("txtName"))[DontScale::Font]) << "an entry read from the stored list survives";
}

}  // namespace
}  // namespace amb
