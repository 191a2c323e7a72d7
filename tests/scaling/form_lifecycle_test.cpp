#include "form_lifecycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "fake_host_form.h"

namespace amb {
namespace {

using test::FakeControls;
using test::FakeHostForm;
using test::FakePlatform;
using test::Log;
using test::RecordingWork;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FormLifecycleTest : public ::testing::Test {
 protected:
  FormLifecycleTest() {
    host->onResize = [this] { lifecycle.OnHostResize(); };
    platform.onTick = [this](LifecycleTimer t) { lifecycle.OnTimer(t); };
  }
  void Bind() { ASSERT_TRUE(lifecycle.HookHostForm(*host, host, controls)); }
  void Open() {
    Bind();
    lifecycle.OnLoad();
    lifecycle.OnHostResize();
    log.clear();
  }
  size_t Count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }

  Log log;
  AmbreloSettings settings;
  std::shared_ptr<FakeHostForm> host = std::make_shared<FakeHostForm>(log);
  std::shared_ptr<FakeControls> controls = std::make_shared<FakeControls>(log);
  FakePlatform platform{log};
  RecordingWork work{log, platform};
  FormLifecycle lifecycle{settings, platform, work};
};

TEST_F(FormLifecycleTest, FirstResizeAfterLoadRunsTheSetupOnceThenTheOrdinaryReaction) {
  settings.resizeOnMouseUp = false;
  Bind();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, IsEmpty()) << "a resize before Load is ignored";
  EXPECT_FALSE(lifecycle.Initialised());

  lifecycle.OnLoad();
  EXPECT_THAT(log, ElementsAre("SetTopMost")) << "Load takes no update lock";
  log.clear();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, ElementsAre("lock", "ReplaceFonts", "ResizeControls", "DeleteWindowSettings", "SizeFormToScreen",
                               "CenterFormX", "CenterFormY", "ResizeControls", "unlock", "OpenEffect", "no region",
                               "item1.AllowUpdates(True)", "item3.AllowUpdates(True)", "ResizeControls"));
  EXPECT_TRUE(lifecycle.Initialised());
  EXPECT_TRUE(platform.Running(LifecycleTimer::WindowSize));
  EXPECT_EQ(lifecycle.NormalPlacement(), (Placement{450, 300, 7000, 5000})) << "seeded from the window";

  log.clear();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, ElementsAre("ResizeControls")) << "the setup runs once";
}

TEST_F(FormLifecycleTest, SetupVariants) {
  settings.saveWindowState = true;
  settings.gradientFill = true;
  settings.scaleControls = false;
  host->members["MDIChild"] = true;
  settings.mdiChildWidth = 8000;
  Bind();
  lifecycle.OnLoad();
  log.clear();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, ElementsAre("lock", "ReplaceFonts", "Width=8000", "ResizeControls", "LoadWindowSettings",
                               "ResizeControls", "PaintGradient", "unlock", "OpenEffect", "no region",
                               "item1.AllowUpdates(True)", "item3.AllowUpdates(True)", "PaintGradient"))
      << "saved placement instead of screen sizing and centring; an MDI child gets its width only; the nested "
         "resize of the width does not re-enter the setup";
}

TEST_F(FormLifecycleTest, MinimisedSetupDoesNotScaleTwiceAndMinimisedFormIsOnlyUnlocked) {
  host->members["WindowState"] = int16_t{1};
  settings.gradientFill = true;
  settings.minWidth = 9000;
  Open();
  EXPECT_EQ(work.resizeTimes.size(), 1u) << "the capture only";
  lifecycle.LockUpdates(true);
  log.clear();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, ElementsAre("unlock")) << "no clamp, scale or paint";
}

TEST_F(FormLifecycleTest, ClampsToTheLimitsOfTheNormalState) {
  struct Case {
    int32_t minWidth, maxWidth;
    int16_t windowState;
    float width, expected;
    int beeps;
  };
  for (Case c : {Case{5000, 0, 0, 4000, 5000, 1}, Case{6000, 5000, 0, 4000, 4000, 0}, Case{0, 5000, 0, 7000, 5000, 1},
                 Case{5000, 0, 2, 4000, 4000, 0}, Case{5000, 8000, 0, 6000, 6000, 0}}) {
    SCOPED_TRACE(testing::Message() << c.minWidth << "," << c.maxWidth << " state " << c.windowState << " "
                                    << c.width);
    Log caseLog;
    AmbreloSettings s;
    s.resizeOnMouseUp = false;
    s.minWidth = c.minWidth;
    s.maxWidth = c.maxWidth;
    auto form = std::make_shared<FakeHostForm>(caseLog);
    FakePlatform system(caseLog);
    RecordingWork steps(caseLog, system);
    FormLifecycle l(s, system, steps);
    form->onResize = [&] { l.OnHostResize(); };
    system.onTick = [&](LifecycleTimer t) { l.OnTimer(t); };
    l.HookHostForm(*form, form, nullptr);
    l.OnLoad();
    l.OnHostResize();
    system.Advance(1000);  // whatever the opening size needed has settled
    int beepsBefore = system.beeps;
    form->members["WindowState"] = c.windowState;
    form->members["Width"] = c.width;
    l.OnHostResize();
    EXPECT_EQ(form->Single("Width"), c.expected);
    EXPECT_EQ(system.beeps - beepsBefore, c.beeps);
    if (c.beeps) {
      EXPECT_FALSE(std::get<bool>(form->members["Enabled"])) << "disabled while the drag lets go";
      system.Advance(499);
      EXPECT_FALSE(std::get<bool>(form->members["Enabled"]));
      system.Advance(1);
      EXPECT_TRUE(std::get<bool>(form->members["Enabled"])) << "enabled again after 500 ms";
    }
  }
}

TEST_F(FormLifecycleTest, ClampKeepsAFormTheProgramHadDisabledDisabledAndHonoursTheBeepSetting) {
  settings.resizeOnMouseUp = false;
  settings.minHeight = 5000;
  settings.beepOnMinMax = false;
  host->members["Height"] = 6000.0f;
  Open();
  host->members["Enabled"] = false;
  host->members["Height"] = 3000.0f;
  lifecycle.OnHostResize();
  EXPECT_EQ(host->Single("Height"), 5000);
  EXPECT_EQ(platform.beeps, 0);
  platform.Advance(600);
  EXPECT_FALSE(std::get<bool>(host->members["Enabled"]));
}

TEST_F(FormLifecycleTest, ResizeOnMouseUpTurnsADragIntoOnePassAfterTheLastEvent) {
  settings.gradientFill = true;
  Open();
  work.resizeTimes.clear();
  for (int i = 0; i < 10; ++i) {
    lifecycle.OnHostResize();
    platform.Advance(50);
  }
  EXPECT_THAT(work.resizeTimes, IsEmpty());
  EXPECT_EQ(Count("PaintGradient"), 10u) << "the gradient still follows every event";
  platform.Advance(1000);
  EXPECT_THAT(work.resizeTimes, ElementsAre(450u + 100u)) << "one pass, 100 ms after the last event";
}

TEST_F(FormLifecycleTest, DelayedPassRespectsTheStateAtItsTick) {
  Open();
  work.resizeTimes.clear();
  lifecycle.OnHostResize();
  host->members["WindowState"] = int16_t{1};
  platform.Advance(200);
  EXPECT_THAT(work.resizeTimes, IsEmpty()) << "a form minimised meanwhile is not scaled";
}

TEST_F(FormLifecycleTest, ResetTakesTheCurrentInnerSizeInTwipsAsReference) {
  settings.resizeOnMouseUp = false;
  work.innerWidth = 6000;
  work.innerHeight = 4500;
  Open();
  lifecycle.Resize().captured = true;
  ASSERT_TRUE(lifecycle.Reset());
  EXPECT_FALSE(lifecycle.Resize().captured);
  EXPECT_EQ(lifecycle.Resize().referenceWidth, 6000);
  EXPECT_EQ(lifecycle.Resize().referenceHeight, 4500);
  EXPECT_THAT(log, ElementsAre("ResizeControls"));

  work.failing.insert("FormInnerSize");
  EXPECT_FALSE(lifecycle.Reset()) << "errors reach the caller";
  FormLifecycle unbound(settings, platform, work);
  EXPECT_FALSE(unbound.Reset());
}

TEST_F(FormLifecycleTest, ResetWhileMinimisedWaitsForTheFormToHaveASize) {
  settings.resizeOnMouseUp = false;
  Open();
  lifecycle.Resize().captured = true;
  lifecycle.Resize().referenceWidth = 9000;
  work.innerWidth = 0;
  work.innerHeight = 0;
  ASSERT_TRUE(lifecycle.Reset());
  EXPECT_TRUE(lifecycle.Resize().captured) << "nothing is recorded against no size";
  EXPECT_EQ(lifecycle.Resize().referenceWidth, 9000);
  lifecycle.OnHostResize();
  EXPECT_TRUE(lifecycle.Resize().captured);
  EXPECT_THAT(log, ::testing::Not(::testing::Contains("ResizeControls")));

  work.innerWidth = 7000;
  work.innerHeight = 5000;
  lifecycle.OnHostResize();
  EXPECT_FALSE(lifecycle.Resize().captured) << "the reset runs once the form is restored";
  EXPECT_EQ(lifecycle.Resize().referenceWidth, 7000);
  EXPECT_THAT(log, ::testing::Contains("ResizeControls"));
}

TEST_F(FormLifecycleTest, BindingDependsOnModeEnabledAndTheKindOfForm) {
  settings.formOpen = 3;
  settings.enabled = false;
  Bind();
  EXPECT_EQ(lifecycle.Host(), nullptr);
  settings.enabled = true;
  lifecycle.OnLoad();
  lifecycle.OnHostResize();
  EXPECT_THAT(log, IsEmpty()) << "enabling later does not bind";

  FormLifecycle designing(settings, platform, work);
  designing.SetUserMode(false);
  designing.HookHostForm(*host, host, nullptr);
  EXPECT_EQ(designing.Host(), nullptr);

  FormLifecycle onForm(settings, platform, work);
  onForm.HookHostForm(*host, host, nullptr);
  EXPECT_EQ(onForm.Host(), host.get());
  EXPECT_THAT(log, ElementsAre("empty region")) << "hidden until the open effect";

  log.clear();
  host->isMdiParent = true;
  host->isForm = false;
  FormLifecycle onMdi(settings, platform, work);
  onMdi.HookHostForm(*host, host, nullptr);
  EXPECT_TRUE(onMdi.IsMdiParentHost());
  onMdi.OnLoad();
  onMdi.OnHostResize();
  EXPECT_EQ(std::count(log.begin(), log.end(), "empty region"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "OpenEffect"), 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "SetTopMost"), 0);
  EXPECT_TRUE(onMdi.Initialised());

  host->isMdiParent = false;
  FormLifecycle inert(settings, platform, work);
  inert.HookHostForm(*host, host, nullptr);
  EXPECT_EQ(inert.Host(), nullptr) << "a holder that is no form leaves the control inert";
}

// A step that returns its error and one that raises it (a window the system refuses) leave the
// same form behind, and the same message.
TEST(FormLifecycleFailedSetup, LeavesTheFormUnlockedVisibleAndAliveAndShowsTheTrappedError) {
  for (bool raised : {false, true}) {
    SCOPED_TRACE(raised ? "raised" : "returned");
    Log log;
    AmbreloSettings settings;
    settings.formOpen = 1;
    settings.resizeOnMouseUp = false;
    auto host = std::make_shared<FakeHostForm>(log);
    FakePlatform platform(log);
    RecordingWork work(log, platform);
    FormLifecycle lifecycle(settings, platform, work);
    host->onResize = [&] { lifecycle.OnHostResize(); };
    if (raised)
      work.duringResize = [] { throw std::runtime_error("ResizeControls went wrong"); };
    else
      work.failing.insert("ResizeControls");
    ASSERT_TRUE(lifecycle.HookHostForm(*host, host, nullptr));
    lifecycle.OnLoad();
    log.clear();
    lifecycle.OnHostResize();
    std::vector<std::string> setup = {"lock", "ReplaceFonts", "ResizeControls", "unlock", "no region", "error box"};
    if (raised) setup.erase(setup.begin() + 2);  // the step raised before it was done
    EXPECT_EQ(log, setup);
    EXPECT_THAT(platform.errors, ElementsAre("Ambrelo Trapped Error = ResizeControls went wrong"));
    EXPECT_TRUE(lifecycle.Initialised());
    EXPECT_FALSE(platform.locked);

    work.failing.clear();
    work.duringResize = nullptr;
    log.clear();
    lifecycle.OnHostResize();
    EXPECT_THAT(log, ElementsAre("ResizeControls")) << "later resizes are followed";
  }
}

TEST_F(FormLifecycleTest, LockIsReleasedOnEveryExitOfAPass) {
  settings.resizeOnMouseUp = false;
  Open();
  work.duringResize = [this] { lifecycle.LockUpdates(true); };
  work.failing.insert("ResizeControls");
  lifecycle.OnHostResize();
  EXPECT_THAT(log, ElementsAre("lock", "ResizeControls", "unlock", "error box"));

  log.clear();
  settings.resizeOnMouseUp = true;
  lifecycle.OnHostResize();
  platform.Advance(100);
  EXPECT_THAT(log, ElementsAre("lock", "ResizeControls", "unlock")) << "a failing delayed pass ends quietly";
}

TEST_F(FormLifecycleTest, AnotherWindowsLockIsNeverReleased) {
  platform.lockedElsewhere = true;
  settings.resizeOnMouseUp = false;
  Bind();
  lifecycle.OnLoad();
  lifecycle.OnHostResize();
  lifecycle.OnHostResize();
  lifecycle.OnUnload(false);
  lifecycle.Terminate();
  EXPECT_EQ(Count("lock"), 0u);
  EXPECT_EQ(Count("unlock"), 0u);
  EXPECT_TRUE(lifecycle.Initialised());
}

// The open effect hands on the thread's messages, and one of them may close the form: the setup
// then ends there, with nothing restarted and nothing more asked of the form.
TEST_F(FormLifecycleTest, AFormUnloadedDuringItsOpenEffectIsLeftAlone) {
  settings.resizeOnMouseUp = false;
  work.duringOpenEffect = [this] { lifecycle.OnUnload(false); };
  Bind();
  lifecycle.OnLoad();
  log.clear();
  lifecycle.OnHostResize();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), "OpenEffect");
  EXPECT_FALSE(platform.Running(LifecycleTimer::WindowSize));
  lifecycle.OnHostResize();
  EXPECT_EQ(log.back(), "OpenEffect") << "a form let go of is followed no more";

  lifecycle.Terminate();
  EXPECT_EQ(lifecycle.Host(), nullptr) << "a closed control keeps nothing of its form";
  EXPECT_FALSE(lifecycle.Reset());
}

TEST_F(FormLifecycleTest, UnloadSavesConcealsUnhooksUnlocksAndStopsEveryTimer) {
  settings.saveWindowState = true;
  Open();
  lifecycle.OnHostResize();  // arms the delayed pass
  lifecycle.LockUpdates(true);
  log.clear();
  lifecycle.OnUnload(true);
  EXPECT_THAT(log, IsEmpty()) << "a cancelled unload leaves the form as it is";

  lifecycle.OnUnload(false);
  EXPECT_THAT(log, ElementsAre("SaveWindowSettings", "CloseEffect", "UnhookWindow", "unlock"));
  for (LifecycleTimer t : {LifecycleTimer::DelayResize, LifecycleTimer::DisableResize, LifecycleTimer::PrintHide,
                           LifecycleTimer::WindowSize})
    EXPECT_FALSE(platform.Running(t));
}

TEST_F(FormLifecycleTest, NormalPlacementIsRecordedOnlyInTheNormalStateAndNeverSavedEmpty) {
  settings.saveWindowState = true;
  platform.normalPlacement.reset();
  Open();
  platform.Advance(100);
  EXPECT_EQ(lifecycle.NormalPlacement(), (Placement{300, 200, 6000, 4000}));

  host->members["Width"] = 9000.0f;
  lifecycle.SetPrintSizing(true);
  platform.Advance(100);
  host->members["WindowState"] = int16_t{2};
  lifecycle.SetPrintSizing(false);
  platform.Advance(100);
  EXPECT_EQ(lifecycle.NormalPlacement().width, 6000) << "neither the print size nor a maximised size";

  Log otherLog;
  FakePlatform other(otherLog);
  other.normalPlacement.reset();
  RecordingWork otherWork(otherLog, other);
  FormLifecycle fresh(settings, other, otherWork);
  fresh.HookHostForm(*host, host, nullptr);
  fresh.OnLoad();
  fresh.OnHostResize();
  fresh.OnUnload(false);
  EXPECT_EQ(std::count(otherLog.begin(), otherLog.end(), "SaveWindowSettings"), 0) << "no placement, no save";
}

TEST_F(FormLifecycleTest, PrintHideKeepsTickingWhileTheControlActs) {
  Open();
  lifecycle.SetPrintHideTimer(true);
  platform.Advance(30);
  EXPECT_EQ(Count("KeepPrintFormParked"), 3u);
  EXPECT_TRUE(platform.Running(LifecycleTimer::PrintHide));
  settings.enabled = false;
  platform.Advance(30);
  EXPECT_EQ(Count("KeepPrintFormParked"), 3u) << "a disabled control leaves the form alone";
}

TEST(SizeLimits, ClampDecision) {
  struct Case {
    SizeLimits limits;
    float size;
    int32_t state;
    std::optional<float> minimum, maximum;
  };
  for (Case c : {Case{{5000, 0}, 4000, 0, 5000, std::nullopt}, Case{{6000, 5000}, 4000, 0, std::nullopt, std::nullopt},
                 Case{{6000, 5000}, 7000, 0, std::nullopt, std::nullopt}, Case{{0, 5000}, 7000, 0, std::nullopt, 5000},
                 Case{{5000, 0}, 4000, 2, std::nullopt, std::nullopt}, Case{{5000, 0}, 4000, 1, std::nullopt, std::nullopt},
                 Case{{5000, 8000}, 5000, 0, std::nullopt, std::nullopt}, Case{{5000, 5000}, 9000, 0, std::nullopt, 5000},
                 Case{{0, 0}, 1, 0, std::nullopt, std::nullopt}}) {
    SCOPED_TRACE(testing::Message() << c.limits.minimum << "," << c.limits.maximum << " " << c.size << " " << c.state);
    EXPECT_EQ(MinimumClamp(c.limits, c.size, c.state), c.minimum);
    EXPECT_EQ(MaximumClamp(c.limits, c.size, c.state), c.maximum);
  }
}

}  // namespace
}  // namespace amb
