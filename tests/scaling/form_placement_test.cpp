// Centring, screen shares, topmost and the saved placement, over an in-memory form, screen and
// settings area.
#include "form_placement.h"

#include <gtest/gtest.h>

#include "fake_host_form.h"
#include "fake_placement_platform.h"

namespace amb {
namespace {

using test::FakePlacementPlatform;

class FormPlacementTest : public ::testing::Test {
 protected:
  test::Log log;
  test::FakeHostForm form{log};
  AmbreloSettings settings;
  FakePlacementPlatform platform;
  FormPlacement placement{settings, platform};

  float Member(const char* name) { return form.Single(name); }
  void SaveAll(const char* state, const char* width = "7000") {
    platform.store["Main"] = {{"WindowLeft", "450"},   {"WindowTop", "300"},    {"WindowWidth", width},
                              {"WindowHeight", "5000"}, {"WindowState", state}};
  }
};

TEST_F(FormPlacementTest, CentringMovesOnlyAFormInTheNormalStateAlongTheAxesAskedFor) {
  struct Case {
    bool centerX, centerY;
    int16_t state;
    bool mdiChild;
    float left, top;
  } cases[] = {
      {true, false, 0, false, 6600, 200},    // (19200 - 6000) / 2
      {false, true, 0, false, 300, 5200},    // (14400 - 4000) / 2
      {true, true, 2, false, 300, 200},      // maximised
      {true, true, 1, false, 300, 200},      // minimised
      {false, false, 0, false, 300, 200},
      {true, true, 0, true, 3000, 2500},     // in an 800 x 600 pixel client window: 12000 x 9000 twips
  };
  for (const Case& c : cases) {
    form.members["Left"] = 300.0f;
    form.members["Top"] = 200.0f;
    form.members["WindowState"] = c.state;
    form.members["MDIChild"] = c.mdiChild;
    settings.centerX = c.centerX;
    settings.centerY = c.centerY;
    ASSERT_TRUE(placement.CenterX(form));
    ASSERT_TRUE(placement.CenterY(form));
    EXPECT_FLOAT_EQ(Member("Left"), c.left) << c.centerX << c.centerY << c.state << c.mdiChild;
    EXPECT_FLOAT_EQ(Member("Top"), c.top) << c.centerX << c.centerY << c.state << c.mdiChild;
  }
}

TEST_F(FormPlacementTest, AnMdiChildWhoseClientWindowCannotBeMeasuredIsAnError) {
  form.members["MDIChild"] = true;
  platform.parent.reset();
  settings.centerX = true;
  EXPECT_FALSE(placement.CenterX(form));
  EXPECT_FLOAT_EQ(Member("Left"), 300);
}

TEST_F(FormPlacementTest, ScreenSharesSizeOnlyTheDimensionsThatHaveOne) {
  settings.scaleX = 50;
  ASSERT_TRUE(placement.SizeToScreen(form));
  EXPECT_FLOAT_EQ(Member("Width"), 9600);
  EXPECT_FLOAT_EQ(Member("Height"), 4000);

  form.members["MDIChild"] = true;  // a share of the client window instead
  settings.scaleY = 25;
  ASSERT_TRUE(placement.SizeToScreen(form));
  EXPECT_FLOAT_EQ(Member("Width"), 6000);
  EXPECT_FLOAT_EQ(Member("Height"), 2250);

  form.members["WindowState"] = int16_t{2};
  settings.scaleX = 100;
  ASSERT_TRUE(placement.SizeToScreen(form));
  EXPECT_FLOAT_EQ(Member("Width"), 6000);
}

TEST_F(FormPlacementTest, TopmostIsSwitchedOnByStayOnTopAndOffOnlyWhenAsked) {
  placement.SetTopMost(form);
  EXPECT_TRUE(platform.topMost.empty());
  settings.stayOnTop = true;
  placement.SetTopMost(form);
  EXPECT_EQ(platform.topMost, std::vector<intptr_t>{0x1234});
  EXPECT_TRUE(platform.notTopMost.empty());
  placement.ClearTopMost(form);
  EXPECT_EQ(platform.notTopMost, std::vector<intptr_t>{0x1234});
}

TEST_F(FormPlacementTest, AFormWithoutANameSavesUnderItsCaptionWhichBecomesItsName) {
  form.members["WindowState"] = int16_t{2};
  bool nameChanged = false;
  ASSERT_TRUE(placement.Save(form, {450, 300.5f, 7000, 5000}, nameChanged));
  EXPECT_TRUE(nameChanged);
  EXPECT_EQ(settings.windowName, "Main");
  std::map<std::string, std::string> expected = {{"WindowLeft", "450"},   {"WindowTop", "300.5"},
                                                 {"WindowWidth", "7000"}, {"WindowHeight", "5000"},
                                                 {"WindowState", "2"}};
  EXPECT_EQ(platform.store["Main"], expected);
}

TEST_F(FormPlacementTest, ABackslashInTheNameMakesNoNestedSection) {
  form.members["Caption"] = std::string("Reports\\2026");
  bool nameChanged = false;
  ASSERT_TRUE(placement.Save(form, {450, 300, 7000, 5000}, nameChanged));
  EXPECT_EQ(settings.windowName, "Reports\\2026");
  ASSERT_EQ(platform.store.size(), 1u);
  EXPECT_EQ(platform.store.begin()->first, "Reports/2026");
  Placement applied;
  ASSERT_TRUE(placement.Load(form, applied, nameChanged));
  EXPECT_TRUE(platform.store.empty()) << "the section is deleted whole";
}

// Values of no section would land beside every window's sections, and deleting "no section"
// would take them all away.
TEST_F(FormPlacementTest, AFormWithoutNameOrCaptionKeepsNothing) {
  form.members["Caption"] = std::string();
  platform.store["Other"] = {{"WindowState", "0"}};
  bool nameChanged = false;
  EXPECT_FALSE(placement.Save(form, {450, 300, 7000, 5000}, nameChanged));
  Placement normal;
  EXPECT_FALSE(placement.Load(form, normal, nameChanged));
  placement.DeleteSaved();
  EXPECT_EQ(platform.store.size(), 1u);
}

TEST_F(FormPlacementTest, APlacementNeverRecordedOrNotWrittenIsAFailure) {
  bool nameChanged = false;
  EXPECT_FALSE(placement.Save(form, {450, 300, 0, 5000}, nameChanged));
  EXPECT_TRUE(platform.store.empty());
  platform.refuseWrites = true;
  EXPECT_FALSE(placement.Save(form, {450, 300, 7000, 5000}, nameChanged));
}

TEST_F(FormPlacementTest, ASavedPlacementOpensTheFormThereInItsStateAndIsThenForgotten) {
  SaveAll("2");
  form.members["Visible"] = false;
  Placement normal;
  bool nameChanged = false;
  ASSERT_TRUE(placement.Load(form, normal, nameChanged));
  EXPECT_EQ(log, (test::Log{"WindowState=0", "Move(450,300,7000,5000)", "Visible=True", "WindowState=2",
                            "Visible=False"}));
  EXPECT_EQ(normal, (Placement{450, 300, 7000, 5000}));
  EXPECT_FALSE(platform.store.count("Main"));
}

TEST_F(FormPlacementTest, AnIncompleteOrUnusablePlacementLeavesTheFormAndTheValues) {
  struct Case {
    const char* state;
    const char* width;
  } cases[] = {{"", "7000"}, {"two", "7000"}, {"0", "wide"}, {"0", "0"}, {"0", "-40"}};
  for (const Case& c : cases) {
    SaveAll(c.state, c.width);
    if (!*c.state) platform.store["Main"].erase("WindowState");
    log.clear();
    Placement normal{1, 2, 3, 4};
    bool nameChanged = false;
    EXPECT_FALSE(placement.Load(form, normal, nameChanged)) << c.state << " " << c.width;
    EXPECT_TRUE(log.empty()) << c.state << " " << c.width;
    EXPECT_TRUE(platform.store.count("Main")) << c.state << " " << c.width;
    EXPECT_EQ(normal, (Placement{1, 2, 3, 4}));
  }
}

TEST(PlacementText, NumbersRoundTripInOneFormWhateverTheLocale) {
  EXPECT_EQ(PlacementText(6600), "6600");
  EXPECT_EQ(PlacementText(-120.25f), "-120.25");
  EXPECT_EQ(PlacementNumber(" 6600 "), 6600);
  EXPECT_EQ(PlacementNumber("12.5"), 12.5f);
  EXPECT_FALSE(PlacementNumber(""));
  EXPECT_FALSE(PlacementNumber("12,5"));
  EXPECT_FALSE(PlacementNumber("abc"));
  // A stored number no Single holds is refused, never turned into an infinite size for Move.
  EXPECT_EQ(PlacementNumber("3.4e38"), 3.4e38f);
  for (const char* text : {"1e300", "-1e39", "inf", "nan", "1e999"}) EXPECT_FALSE(PlacementNumber(text)) << text;
  EXPECT_EQ(PlacementState("2"), 2);
  EXPECT_EQ(PlacementState("2.5"), 2);  // halves to even, as the platform converts
  EXPECT_FALSE(PlacementState("70000"));
}

}  // namespace
}  // namespace amb
