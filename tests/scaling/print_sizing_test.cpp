#include "print_sizing.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "fake_host_form.h"

namespace amb {
namespace {

using test::FakeHostForm;
using test::FakePlatform;
using test::Log;
using test::RecordingWork;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The screen at 15 twips a pixel; the dialog and the hook only leave their mark in the log.
class FakePrintPlatform : public PrintPlatform {
 public:
  explicit FakePrintPlatform(Log& log) : log_(log) {}
  float parkedLeft = kParkedLeftTwips;
  bool cancelled = false;

  void HookWindow(intptr_t, int32_t minW, int32_t minH, int32_t maxW, int32_t maxH) override {
    log_.push_back("hook " + std::to_string(minW) + "," + std::to_string(minH) + "," + std::to_string(maxW) + "," +
                   std::to_string(maxH));
  }
  void UnhookWindow(intptr_t) override { log_.push_back("unhook"); }
  int32_t LargestWidth() override { return 491505; }
  int32_t LargestHeight() override { return 491505; }
  float ParkedLeft() override { return parkedLeft; }
  int32_t PixelsX(float twips) override { return static_cast<int32_t>(twips / 15 + 0.5f); }
  void ShowDialog(bool allowCancel) override { log_.push_back(allowCancel ? "dialog with Cancel" : "dialog"); }
  void CloseDialog() override { log_.push_back("close dialog"); }
  bool Cancelled() override { return cancelled; }
  void SetCancelled(bool c) override { cancelled = c; }

 private:
  Log& log_;
};

class PrintSizingTest : public ::testing::Test, public PrintEvents {
 protected:
  PrintSizingTest() {
    settings.design.width = 9000;
    settings.design.height = 7000;
    settings.minWidth = 3000;
    settings.minHeight = 2000;
    platform.onTick = [this](LifecycleTimer t) { lifecycle.OnTimer(t); };
    work.SetPrintSizing(&print);
    lifecycle.HookHostForm(*host, host, nullptr);
    lifecycle.OnLoad();
    lifecycle.OnHostResize();
    host->members["Left"] = 300.0f;
    log.clear();
  }
  void PrintError(const std::string& description, int32_t number) override {
    log.push_back("Error " + description + " " + std::to_string(number));
  }
  void PrintCancelled() override { log.push_back("PrintCancelled"); }
  void Print(PrintRequest r) { print.PrintSize(r); }
  size_t Count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }

  // The lifecycle's steps, with print sizing's tick passed on as the control's own work does it.
  class Work : public RecordingWork {
   public:
    using RecordingWork::RecordingWork;
    void SetPrintSizing(PrintSizing* p) { print_ = p; }
    void KeepPrintFormParked() override { print_->KeepParked(); }
    void UnhookWindow(intptr_t w) override { print_->UnhookWindow(w); }

   private:
    PrintSizing* print_ = nullptr;
  };

  Log log;
  AmbreloSettings settings;
  std::shared_ptr<FakeHostForm> host = std::make_shared<FakeHostForm>(log);
  FakePlatform platform{log};
  Work work{log, platform};
  FormLifecycle lifecycle{settings, platform, work};
  FakePrintPlatform printPlatform{log};
  PrintSizing print{settings, lifecycle, work, printPlatform, *this};
};

TEST_F(PrintSizingTest, PrintingSizesTheFormWithinTheTrackLimitsAndFalseGivesBackPlacementAndState) {
  host->members["WindowState"] = int16_t{2};
  Print({.enabled = true, .width = 30000, .height = 20000, .showDialog = true, .allowCancel = true});
  EXPECT_THAT(log, ElementsAre("WindowState=0", "hook 3000,2000,491505,491505", "Move(300,200,30000,20000)",
                               "unhook", "dialog with Cancel", "ResizeControls"));
  EXPECT_TRUE(platform.Running(LifecycleTimer::WindowSize)) << "without Hide the placement timer keeps running";

  log.clear();
  Print({.enabled = false});
  EXPECT_THAT(log, ElementsAre("close dialog", "Move(300,200,6000,4000)", "WindowState=2"))
      << "the host's own False raises no PrintCancelled";
}

TEST_F(PrintSizingTest, LeftOutSizesAreTheDesignSizeAndGivenOnesAreConvertedFromTheirScaleMode) {
  Print({.enabled = true});
  EXPECT_EQ(host->Single("Width"), 9000);
  EXPECT_EQ(host->Single("Height"), 7000);

  host->twipsPerUnit = 15;
  Print({.enabled = true, .width = 800, .height = 600, .scaleMode = 3});
  EXPECT_EQ(host->Single("Width"), 12000);
  EXPECT_EQ(host->Single("Height"), 9000);
}

// A form never saved in a designer has no design size: printing it at 0 by 0 collapsed it.
TEST_F(PrintSizingTest, WithoutADesignSizeTheFormIsPrintedAtItsOwn) {
  settings.design.width = settings.design.height = 0;
  Print({.enabled = true});
  EXPECT_THAT(log, ::testing::Contains("Move(300,200,6000,4000)"));
}

// The maximum is for the user's resizing: clamping the print size to it cancelled the print.
TEST_F(PrintSizingTest, ThePrintSizeMayExceedTheMaximumSize) {
  settings.maxWidth = 12000;
  settings.maxHeight = 8000;
  host->onResize = [this] { lifecycle.OnHostResize(); };
  Print({.enabled = true, .width = 30000, .height = 20000});
  EXPECT_EQ(host->Single("Width"), 30000);
  EXPECT_EQ(host->Single("Height"), 20000);
  EXPECT_EQ(Count("Enabled=False"), 0u) << "no clamp";
  Print({.enabled = false});
  EXPECT_EQ(host->Single("Width"), 6000);
}

TEST_F(PrintSizingTest, AFailedConversionIsReportedAndChangesNothing) {
  host->failing.insert("ScaleY");
  Print({.enabled = true, .width = 800, .height = 600, .scaleMode = 3});
  EXPECT_THAT(log, ElementsAre("Error Error in ScaleMode 0"));

  FormLifecycle unbound{settings, platform, work};
  PrintSizing noHost{settings, unbound, work, printPlatform, *this};
  log.clear();
  noHost.PrintSize({.enabled = true});
  EXPECT_THAT(log, ElementsAre("Error Error in ScaleMode 91")) << "a control with no form has nothing to convert with";
}

TEST_F(PrintSizingTest, FalseWithoutTrueDoesNothingAndASecondTrueKeepsTheFormsOwnPlacement) {
  Print({.enabled = false});
  EXPECT_THAT(log, IsEmpty());

  Print({.enabled = true, .width = 20000, .height = 15000});
  Print({.enabled = true, .width = 25000, .height = 16000});
  log.clear();
  Print({.enabled = false});
  EXPECT_EQ(host->Single("Left"), 300);
  EXPECT_EQ(host->Single("Width"), 6000);
  EXPECT_EQ(host->Single("Height"), 4000);
}

TEST_F(PrintSizingTest, AHiddenFormStaysParkedWhilePrintingComparedInPixels) {
  printPlatform.parkedLeft = 45000;  // a desktop wider than 32000 twips
  Print({.enabled = true, .hide = true});
  EXPECT_EQ(host->Single("Left"), 45000);
  EXPECT_FALSE(platform.Running(LifecycleTimer::WindowSize));

  struct Case {
    float left;
    bool pushedBack;
  };
  for (Case c : {Case{44995, false}, Case{45007, false}, Case{1200, true}, Case{45020, true}}) {
    host->members["Left"] = c.left;
    log.clear();
    platform.Advance(10);
    EXPECT_EQ(Count("Left=45000"), c.pushedBack ? 1u : 0u) << c.left;
    EXPECT_TRUE(platform.Running(LifecycleTimer::PrintHide)) << "it keeps watching while printing";
  }

  Print({.enabled = false});
  EXPECT_FALSE(platform.Running(LifecycleTimer::PrintHide));
  EXPECT_TRUE(platform.Running(LifecycleTimer::WindowSize));
  EXPECT_EQ(host->Single("Left"), 300);
}

TEST_F(PrintSizingTest, CancelRaisesPrintCancelledOnceAndOnlyAfterTheFormIsBack) {
  Print({.enabled = true, .showDialog = true});
  printPlatform.cancelled = true;  // the box's Cancel, which then calls False
  log.clear();
  Print({.enabled = false});
  EXPECT_THAT(log, ElementsAre("close dialog", "Move(300,200,6000,4000)", "WindowState=0", "PrintCancelled"));
  EXPECT_FALSE(printPlatform.cancelled);
  Print({.enabled = true});
  log.clear();
  Print({.enabled = false});
  EXPECT_EQ(Count("PrintCancelled"), 0u);
}

TEST_F(PrintSizingTest, DesignModeAndMdiParentFormsAreLeftAlone) {
  lifecycle.SetUserMode(false);
  Print({.enabled = true});
  EXPECT_THAT(log, IsEmpty());

  lifecycle.SetUserMode(true);
  FakePlatform otherPlatform{log};
  FormLifecycle mdi{settings, otherPlatform, work};
  host->isMdiParent = true;
  mdi.HookHostForm(*host, host, nullptr);
  PrintSizing onMdi{settings, mdi, work, printPlatform, *this};
  onMdi.PrintSize({.enabled = true});
  EXPECT_THAT(log, IsEmpty());
}

}  // namespace
}  // namespace amb
