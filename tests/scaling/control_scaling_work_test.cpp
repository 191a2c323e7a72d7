// The control's steps behind the lifecycle, over an in-memory form: placement and gradient in
// the first-time setup in their order, the saved placement instead of screen sizing, and the
// placement saved again at unload.
#include "control_scaling_work.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "fake_host_form.h"
#include "fake_host_object.h"
#include "fake_placement_platform.h"

namespace amb {
namespace {

class NoEffects : public EffectPlatform {
 public:
  bool WindowSize(intptr_t, float& w, float& h) override { return w = 400, h = 300, true; }
  bool WindowExists(intptr_t) override { return true; }
  void SetRegion(intptr_t, const RegionRect&) override {}
  void RemoveRegion(intptr_t) override {}
  double Now() override { return 0; }
  void ProcessEvents() override {}
};

class ControlScalingWorkTest : public ::testing::Test {
 protected:
  void Open() {
    lifecycle.HookHostForm(*form, form, controls);
    lifecycle.OnLoad();
    lifecycle.OnHostResize();
  }
  // Where entry first stands in the log (the log's end when it is not there).
  size_t At(const std::string& entry) const { return std::find(log.begin(), log.end(), entry) - log.begin(); }
  size_t FirstStartingWith(const std::string& prefix) const {
    return std::find_if(log.begin(), log.end(), [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }) -
           log.begin();
  }

  test::Log log;
  test::FakeForm engineForm;
  test::RecordingEngineHost engineHost{engineForm};
  test::FakePictureTools pictures{engineForm.stats};
  test::FakeMoves moves;
  FlagRecords flags;
  AmbreloSettings settings;
  std::shared_ptr<test::FakeHostForm> form = std::make_shared<test::FakeHostForm>(log);
  std::shared_ptr<test::FakeControls> controls = std::make_shared<test::FakeControls>(log);
  test::FakePlatform platform{log};
  test::FakePlacementPlatform placementPlatform;
  NoEffects effects;
  int nameChanges = 0;
  ControlScalingWork work{settings, lifecycle, engine, placementPlatform, effects, [this] { ++nameChanges; }};
  FormLifecycle lifecycle{settings, platform, work};
  ResizeEngine engine{settings, lifecycle.Resize(), flags, engineHost, pictures, moves};
};

// The form is sized before it is centred, so that it is centred at its new size; the gradient is
// painted once the controls have their places.
TEST_F(ControlScalingWorkTest, TheFirstSetupDropsAnOldPlacementSizesCentresAndPaints) {
  settings.scaleX = 50;
  settings.centerX = true;
  settings.gradientFill = true;
  settings.windowName = "Kept";
  placementPlatform.store["Kept"] = {{"WindowState", "0"}};
  placementPlatform.store["Main"] = {{"WindowState", "0"}};  // no name: the caption is not asked
  Open();
  EXPECT_FALSE(placementPlatform.store.count("Kept"));
  EXPECT_TRUE(placementPlatform.store.count("Main"));
  ASSERT_LT(At("Width=9600"), log.size());
  EXPECT_LT(At("Width=9600"), At("Left=4800"));
  EXPECT_LT(At("Left=4800"), FirstStartingWith("Line("));
  EXPECT_EQ(At("Top=4800"), log.size());  // CenterY is off
}

TEST_F(ControlScalingWorkTest, ASavedPlacementReplacesSizingAndIsSavedAgainAtUnload) {
  settings.saveWindowState = true;
  settings.scaleX = 50;
  settings.centerX = true;
  placementPlatform.store["Main"] = {{"WindowLeft", "450"},    {"WindowTop", "300"},   {"WindowWidth", "7000"},
                                     {"WindowHeight", "5000"}, {"WindowState", "0"}};
  platform.normalPlacement = Placement{600, 400, 8000, 6000};  // where the window really is afterwards
  Open();
  EXPECT_LT(At("Move(450,300,7000,5000)"), log.size());
  EXPECT_EQ(At("Width=9600"), log.size());
  EXPECT_EQ(FirstStartingWith("Left="), log.size());
  EXPECT_FALSE(placementPlatform.store.count("Main"));
  EXPECT_EQ(settings.windowName, "Main");  // named after the caption, through the property
  EXPECT_EQ(nameChanges, 1);

  lifecycle.OnUnload(false);
  EXPECT_EQ(placementPlatform.store["Main"]["WindowLeft"], "600");
  EXPECT_EQ(placementPlatform.store["Main"]["WindowHeight"], "6000");
  EXPECT_EQ(nameChanges, 1);
}

TEST_F(ControlScalingWorkTest, ADisabledControlNeitherPlacesNorRaisesTheForm) {
  settings.scaleX = 50;
  settings.centerX = true;
  settings.stayOnTop = true;
  Open();
  ASSERT_EQ(placementPlatform.topMost.size(), 1u);
  settings.enabled = false;
  log.clear();
  EXPECT_TRUE(work.SizeFormToScreen());
  EXPECT_TRUE(work.CenterFormX());
  EXPECT_TRUE(log.empty());
}

// The replacement face goes into every font a control has, before anything is recorded; the
// exact text "<none>" leaves the fonts as designed.
TEST_F(ControlScalingWorkTest, ReplacementFaceGoesIntoEveryFontOfEveryControl) {
  test::FakePtr label = engineForm.Add("Label", "lblTitle", {120, 120, 2400, 300});
  test::FakePtr calendar = engineForm.Add("Calendar", "calDay", {120, 600, 2400, 2000});
  engineForm.Add("Timer", "tmrTick", {0, 0, 0, 0});
  test::FakePtr labelFont = test::FakeForm::GiveFont(label, "Font", 10);
  test::FakePtr dayFont = test::FakeForm::GiveFont(calendar, "DayFont", 8);
  test::FakePtr headFont = test::FakeForm::GiveFont(calendar, "HeadFont", 9);
  auto face = [](const test::FakePtr& font) { return std::get<std::string>(font->members["Name"]); };

  settings.replaceFontsWith = "<none>";
  Open();
  EXPECT_EQ(face(labelFont), "Arial");

  settings.replaceFontsWith = "Tahoma";
  work.ReplaceFonts();
  EXPECT_EQ(face(labelFont), "Tahoma");
  EXPECT_EQ(face(dayFont), "Tahoma");
  EXPECT_EQ(face(headFont), "Tahoma");

  settings.enabled = false;  // a control that is switched off changes nothing
  settings.replaceFontsWith = "Verdana";
  work.ReplaceFonts();
  EXPECT_EQ(face(labelFont), "Tahoma");
}

}  // namespace
}  // namespace amb
