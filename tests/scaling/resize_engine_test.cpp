#include "resize_engine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_host_object.h"

namespace amb {
namespace {

using test::FakeForm;
using test::FakeMoves;
using test::FakePictureTools;
using test::FakeObject;
using test::FakePtr;
using test::MakeFake;
using test::MakePicture;
using test::RecordingEngineHost;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class ResizeEngineTest : public ::testing::Test {
 protected:
  ResizeEngineTest() {
    settings.design.scaleWidth = 6000;
    settings.design.scaleHeight = 4000;
    settings.resizeAtOnce = true;
  }
  // The capture, then the first pass at the design size, as the first-time setup runs them.
  void Capture() {
    host.initialised = false;
    ASSERT_TRUE(engine.ResizeControls());
    ASSERT_TRUE(engine.ResizeControls());
    host.initialised = true;
    host.events.clear();
  }
  void ResizeTo(double w, double h) {
    f.Resize(w, h);
    ASSERT_TRUE(engine.ResizeControls());
  }
  FakePtr Toolbar(const char* name, Box box) {
    FakePtr t = f.Add("Toolbar", name, box);
    t->members["Buttons"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
    t->members["ButtonWidth"] = 300.0;
    t->members["ButtonHeight"] = 300.0;
    t->members["ImageList"] = HostObjectPtr();
    return t;
  }
  FakePtr ImageList(const char* name, int images) {
    FakePtr list = MakeFake(f.stats, "ImageList");
    FakePtr entries = MakeFake(f.stats, "Collection");
    for (int i = 1; i <= images; ++i) {
      FakePtr image = MakeFake(f.stats, "ListImage");
      image->members = {{"Picture", HostObjectPtr(MakePicture(f.stats, 240, 240))}, {"Key", "k" + std::to_string(i)},
                        {"Tag", std::string("t")}};
      entries->items.push_back(image);
    }
    FakeObject* e = entries.get();  // no cycle: the collection owns its handler
    entries->onCall = [this, e](std::string_view m, const std::vector<HostValue>& args, HostValue*) {
      if (m == "Clear") {
        if (listBound) return HostStatus::Failed("ImageList cannot be modified while another control is bound to it");
        e->items.clear();
        return HostStatus{};
      }
      if (m == "Add") {
        FakePtr image = MakeFake(f.stats, "ListImage");
        image->members = {{"Picture", args[2]}, {"Key", args[1]}, {"Tag", std::string()}};
        e->items.push_back(image);
        return HostStatus{};
      }
      return HostStatus::Failed("unhandled");
    };
    list->members = {{"Name", std::string(name)}, {"ListImages", HostObjectPtr(entries)}, {"ImageWidth", 16.0},
                     {"ImageHeight", 16.0}};
    list->container = f.form;
    f.Register(list);
    return list;
  }

  FakeForm f;
  FlagRecords flags;
  AmbreloSettings settings;
  ResizeState state;
  RecordingEngineHost host{f};
  FakePictureTools tools{f.stats};
  FakeMoves moves;
  ResizeEngine engine{settings, state, flags, host, tools, moves};
  bool listBound = false;
};

TEST_F(ResizeEngineTest, FirstCallRecordsOnlyAndTheDesignSizeChangesNothing) {
  FakePtr text = f.Add("TextBox", "txtName", {600, 400, 2400, 300});
  std::vector<std::string> writes;
  text->log = &writes;
  host.initialised = false;
  ASSERT_TRUE(engine.ResizeControls());
  EXPECT_TRUE(host.events.empty()) << "no events, no lock, nothing moved";
  EXPECT_TRUE(writes.empty());
  EXPECT_NE(engine.Records().Find("frmMain"), nullptr) << "the form is recorded too";
  EXPECT_NE(flags.Find("TXTNAME"), nullptr);
  EXPECT_EQ(state.referenceWidth, 6000);

  host.initialised = true;
  ASSERT_TRUE(engine.ResizeControls());
  EXPECT_THAT(host.events, ElementsAre("Started", "Done", "unlock"));
  EXPECT_TRUE(writes.empty());
}

// A host's own AdjustPosition ends as the engine's pass does: a drop-down combo box (Style 0) shows
// its text unselected after its move.
TEST_F(ResizeEngineTest, AdjustPositionByTheHostEndsAsThePassDoes) {
  FakePtr combo = f.Add("ComboBox", "cboKind", {600, 400, 2400, 300});
  combo->members["Style"] = 0.0;
  combo->members["SelLength"] = 4.0;
  Capture();
  ASSERT_TRUE(engine.AdjustPosition(*combo));
  EXPECT_EQ(combo->members["SelLength"], HostValue(0.0));
  combo->members["Style"] = 2.0;  // a list: nothing to select
  combo->members["SelLength"] = 4.0;
  ASSERT_TRUE(engine.AdjustPosition(*combo));
  EXPECT_EQ(combo->members["SelLength"], HostValue(4.0));
}

// A table of forms: each control's place after doubling the form, whatever order the host lists
// the controls in (containers after what they hold here).
TEST_F(ResizeEngineTest, FormsOfEveryShapeFollowTheNewSize) {
  FakePtr outer = MakeFake(f.stats, "Frame");
  FakePtr inner = MakeFake(f.stats, "Frame");
  FakePtr deep = f.Add("TextBox", "txtDeep", {100, 100, 400, 200}, inner);
  inner->members = {{"Name", std::string("fraInner")}, {"Left", 200.0}, {"Top", 200.0}, {"Width", 1000.0},
                    {"Height", 800.0}};
  inner->container = outer;
  f.Register(inner);
  outer->members = {{"Name", std::string("fraOuter")}, {"Left", 100.0}, {"Top", 100.0}, {"Width", 3000.0},
                    {"Height", 2000.0}};
  outer->container = f.form;
  f.Register(outer);
  for (FakePtr c : {outer, inner, deep}) c->windowed = true;
  FakePtr line = f.AddLine("linSep", 5000, 3000, 1000, 3000);
  FakePtr anchored = f.Add("CommandButton", "cmdOK", {4800, 3400, 1000, 400});
  FakePtr locked = f.Add("CommandButton", "cmdHelp", {100, 3400, 1000, 400});
  FakePtr member0 = f.Add("Label", "lblRow", {100, 2500, 500, 200}, nullptr, 0);
  FakePtr member1 = f.Add("Label", "lblRow", {700, 2500, 500, 200}, nullptr, 1);
  FakePtr kept = f.Add("PictureBox", "NoResizeLogo", {0, 0, 500, 500});
  flags.Ensure("cmdOK")[DontScale::Right] = true;
  flags.Ensure("cmdOK")[DontScale::Bottom] = true;
  flags.Ensure("cmdOK")[DontScale::Width] = true;
  flags.Ensure("cmdOK")[DontScale::Height] = true;
  flags.Ensure("cmdHelp")[DontScale::Left] = true;
  flags.Ensure("CMDHELP")[DontScale::Top] = true;
  f.form->members["hWnd"] = 4242.0;
  Capture();

  ResizeTo(12000, 8000);
  EXPECT_EQ(moves.repainted, 4242) << "the form repaints whole once the pass is over";
  EXPECT_EQ(outer->Geometry(), (Box{200, 200, 6000, 4000}));
  EXPECT_EQ(inner->Geometry(), (Box{400, 400, 2000, 1600}));
  EXPECT_EQ(deep->Geometry(), (Box{200, 200, 800, 400})) << "scaled with its container's new size";
  EXPECT_EQ(line->Number("X1"), 10000) << "X1 stays the right end";
  EXPECT_EQ(line->Number("X2"), 2000);
  EXPECT_EQ(line->Number("Y1"), 6000);
  EXPECT_EQ(anchored->Geometry(), (Box{10800, 7400, 1000, 400})) << "its gaps to the right and bottom kept";
  EXPECT_EQ(locked->Geometry(), (Box{100, 3400, 2000, 800}));
  EXPECT_EQ(member1->Geometry(), (Box{1400, 5000, 1000, 400}));
  EXPECT_EQ(member0->Geometry(), (Box{200, 5000, 1000, 400}));
  EXPECT_EQ(kept->Geometry(), (Box{0, 0, 500, 500}));
  EXPECT_EQ(moves.applied, 3u) << "the windows moved in batches";
  EXPECT_THAT(host.events, ElementsAre("Started", "lock", "unlock", "Done"));
}

TEST_F(ResizeEngineTest, BackAtTheDesignSizeAfterManyResizesEverythingIsWhereItWas) {
  FakePtr frame = f.Add("Frame", "fraBox", {333, 777, 3001, 1999});
  frame->windowed = true;
  FakePtr child = f.Add("TextBox", "txtIn", {17, 45, 1234, 311}, frame);
  child->windowed = true;
  FakePtr anchored = f.Add("CommandButton", "cmdOK", {4807, 3433, 1003, 397});
  flags.Ensure("cmdOK")[DontScale::Right] = true;
  FakePtr line = f.AddLine("linA", 10, 3900, 5990, 3910);
  FakePtr font = FakeForm::GiveFont(child, "Font", 8.25);
  Capture();
  const double sizes[] = {1.37, 0.41, 2.9, 0.77, 1.013};
  for (int i = 0; i < 100; ++i) {
    double k = sizes[i % 5];
    ResizeTo(6000 * k, 4000 * (2 - k / 3));
  }
  ResizeTo(6000, 4000);
  EXPECT_EQ(frame->Geometry(), (Box{333, 777, 3001, 1999}));
  EXPECT_EQ(child->Geometry(), (Box{17, 45, 1234, 311}));
  EXPECT_EQ(anchored->Geometry(), (Box{4807, 3433, 1003, 397}));
  EXPECT_EQ(line->Number("X1"), 10);
  EXPECT_EQ(line->Number("Y2"), 3910);
  EXPECT_FLOAT_EQ(float(font->Number("Size")), 8.25f);
}

TEST_F(ResizeEngineTest, ControlsAddedLaterMinimisedFormsAndTheLeftAlone) {
  FakePtr menu = MakeFake(f.stats, "Menu");
  menu->members = {{"Name", std::string("mnuFile")}, {"Left", 0.0}};
  f.Register(menu);
  Capture();
  FakePtr late = f.Add("TextBox", "txtLate", {100, 100, 1000, 300});
  ResizeTo(12000, 8000);
  EXPECT_EQ(late->Geometry(), (Box{200, 200, 2000, 600})) << "recorded and scaled in the same pass";
  EXPECT_EQ(engine.Records().Find("mnuFile"), nullptr);

  ResizeTo(0, 0);
  EXPECT_EQ(state.referenceWidth, 12000) << "a minimised form keeps its reference";
  ResizeTo(12000, 8000);
  EXPECT_EQ(late->Geometry(), (Box{200, 200, 2000, 600}));
}

TEST_F(ResizeEngineTest, NoDesignSizeFallsBackToTheCurrentSize) {
  settings.design = {};
  f.Resize(9000, 5000);
  FakePtr text = f.Add("TextBox", "txtName", {600, 400, 2400, 300});
  Capture();
  EXPECT_EQ(state.referenceWidth, 9000);
  EXPECT_EQ(text->Geometry(), (Box{600, 400, 2400, 300})) << "nothing collapses to 0,0,0,0";
  ResizeTo(18000, 5000);
  EXPECT_EQ(text->Geometry().width, 4800);
}

// A form is taken at its design inner size, converted from its scale mode, so that one opened at
// another size is scaled at once; an MDI parent at the size it has. A reset measures as a pass does.
TEST(ResizeEngineReference, TheDesignInnerSizeInTwipsOrAnMdiParentsPresentOne) {
  struct Case {
    const char* name;
    bool mdiParent;
    float twipsPerUnit, reference, current;
  } cases[] = {
      {"a form in pixels", false, 15, 6000, 7500},
      {"a form in twips", false, 1, 400, 500},
      {"an MDI parent", true, 15, 500, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeForm f;
    f.MeasureIn(c.twipsPerUnit, c.mdiParent);
    f.Resize(500, 300);
    AmbreloSettings settings;
    settings.design.scaleWidth = 400;
    settings.design.scaleHeight = 300;
    ResizeState state;
    FlagRecords flags;
    RecordingEngineHost host(f);
    FakePictureTools tools(f.stats);
    FakeMoves moves;
    ResizeEngine engine(settings, state, flags, host, tools, moves);
    ASSERT_TRUE(engine.ResizeControls());
    EXPECT_EQ(state.referenceWidth, c.reference);
    ASSERT_TRUE(engine.ResizeControls());
    EXPECT_EQ(state.currentWidth, c.current);
    float width = 0, height = 0;
    ASSERT_TRUE(engine.FormInnerSize(width, height));
    EXPECT_EQ(width, c.current);
    host.bound = false;
    EXPECT_FALSE(engine.FormInnerSize(width, height));
  }
}

TEST_F(ResizeEngineTest, FontsAreWrittenOnlyWhenTheirSizeChanges) {
  FakePtr label = f.Add("Label", "lblTitle", {0, 0, 2000, 400});
  FakePtr font = FakeForm::GiveFont(label, "Font", 10);
  FakePtr calendar = f.Add("MonthView", "calDue", {0, 500, 2000, 2000});
  FakePtr head = FakeForm::GiveFont(calendar, "HeadFont", 8);
  std::vector<std::string> writes;
  font->log = &writes;
  Capture();
  ResizeTo(12000, 6000);
  EXPECT_FLOAT_EQ(float(font->Number("Size")), 15) << "the smaller ratio";
  EXPECT_FLOAT_EQ(float(head->Number("Size")), 12);
  ResizeTo(12001, 6000);
  EXPECT_THAT(writes, ElementsAre("Arial.Size=15")) << "written once, after the move; an unchanged one not at all";
  writes.clear();
  label->log = &writes;
  ResizeTo(6000, 4000);
  EXPECT_THAT(writes, ElementsAre("Arial.Size=10", "lblTitle.Move")) << "a shrinking font goes before the move";

  settings.scaleFonts = false;
  ResizeTo(12000, 8000);
  EXPECT_FLOAT_EQ(float(font->Number("Size")), 10);
}

TEST_F(ResizeEngineTest, PicturesAreRescaledFromTheRecordWhenTheSizeChanged) {
  FakePtr image = f.Add("Image", "imgLogo", {0, 0, 1000, 1000});
  image->members["Picture"] = HostObjectPtr(MakePicture(f.stats, 1000, 1000));
  image->members["BorderWidth"] = 2.0;
  f.form->members["Picture"] = HostObjectPtr(MakePicture(f.stats, 6000, 4000));
  Capture();
  ResizeTo(12000, 8000);
  float w = 0, h = 0;
  ASSERT_TRUE(tools.SizeOf(*std::get<HostObjectPtr>(image->members["Picture"]), w, h));
  EXPECT_EQ(w, 2000);
  EXPECT_EQ(image->Number("BorderWidth"), 4);
  ASSERT_TRUE(tools.SizeOf(*std::get<HostObjectPtr>(f.form->members["Picture"]), w, h));
  EXPECT_EQ(w, 12000) << "the form shows its design picture stretched";
  int stretches = tools.stretches;
  flags.Ensure("imgLogo")[DontScale::Width] = true;
  flags.Ensure("imgLogo")[DontScale::Height] = true;
  ResizeTo(9000, 6000);
  EXPECT_EQ(tools.stretches, stretches + 1) << "only the form's picture: the image's size did not change";

  tools.failing = true;
  ResizeTo(3000, 2000);
  EXPECT_TRUE(std::get<HostObjectPtr>(image->members["Picture"])) << "a failed scaling keeps the picture";

  settings.gradientFill = true;
  HostValue before = f.form->members["Picture"];
  tools.failing = false;
  ResizeTo(6000, 4000);
  EXPECT_EQ(std::get<HostObjectPtr>(f.form->members["Picture"]), std::get<HostObjectPtr>(before));
}

TEST_F(ResizeEngineTest, ImageListsAreRebuiltWithTheirControlsDetachedMeanwhile) {
  FakePtr list = ImageList("imlTools", 3);
  FakePtr toolbar = Toolbar("tbrMain", {0, 0, 6000, 400});
  toolbar->members["ImageList"] = HostObjectPtr(list);
  toolbar->onLet = [&](std::string_view m) {
    if (m == "ImageList") listBound = !IsNothing(toolbar->members["ImageList"]);
  };
  listBound = true;
  Capture();
  ResizeTo(12000, 8000);
  EXPECT_EQ(list->Number("ImageWidth"), 32);
  EXPECT_EQ(std::get<HostObjectPtr>(toolbar->members["ImageList"]), list) << "attached again";
  EXPECT_EQ(toolbar->Number("ButtonWidth"), 600);
  EXPECT_THAT(host.events, ElementsAre("Started", "lock", "unlock", "Done"));

  ResizeTo(10, 10);
  EXPECT_EQ(list->Number("ImageWidth"), 1) << "never below one pixel";

  flags.Ensure("imlTools")[DontScale::Graphic] = true;
  std::vector<std::string> writes;
  toolbar->log = &writes;
  ResizeTo(6000, 4000);
  for (const std::string& w : writes) EXPECT_THAT(w, ::testing::Not(HasSubstr("ImageList="))) << "not detached";
}

TEST_F(ResizeEngineTest, AnUnsupportedBindingIsReportedAndTheListsGoBack) {
  FakePtr list = ImageList("imlTools", 2);
  FakePtr other = f.Add("ListView", "lvwFiles", {0, 500, 3000, 2000});
  other->members["Icons"] = HostObjectPtr(list);
  other->members["SmallIcons"] = HostObjectPtr(list);
  other->members["ListItems"] = HostObjectPtr(MakeFake(f.stats, "Collection"));
  listBound = true;  // bound through a way the engine does not know
  Capture();
  ResizeTo(12000, 8000);
  ASSERT_EQ(host.events.size(), 5u);
  EXPECT_EQ(host.events[2], std::string("Error: imlTools") + kUnsupportedBinding);
  EXPECT_THAT(host.events, ElementsAre("Started", "lock", host.events[2], "Done", "unlock"));
  EXPECT_EQ(std::get<HostObjectPtr>(other->members["Icons"]), list) << "the images are not lost";
  EXPECT_EQ(state.referenceWidth, 6000) << "no new reference";
}

TEST_F(ResizeEngineTest, AnErrorInThePassReattachesReportsDoneAndUnlocks) {
  FakePtr list = ImageList("imlTools", 1);
  FakePtr toolbar = Toolbar("tbrMain", {0, 0, 6000, 400});
  toolbar->members["ImageList"] = HostObjectPtr(list);
  FakePtr tabs = f.Add("SSTab", "tabPages", {0, 500, 4000, 3000});
  tabs->members["Tabs"] = 2.0;
  tabs->members["TabHeight"] = 300.0;
  tabs->members["TabMaxWidth"] = 0.0;
  tabs->members["TabsPerRow"] = 0.0;  // no division by it
  Capture();
  HostStatus s;
  f.Resize(12000, 8000);
  s = engine.ResizeControls();
  EXPECT_FALSE(s) << "TabOrientation cannot be read: the error goes to the caller";
  EXPECT_THAT(host.events, ElementsAre("Started", "lock", "Done", "unlock"));
  EXPECT_EQ(std::get<HostObjectPtr>(toolbar->members["ImageList"]), list);

  tabs->members["TabOrientation"] = 0.0;
  host.events.clear();
  EXPECT_TRUE(engine.ResizeControls());
  EXPECT_EQ(tabs->Geometry(), (Box{0, 1000, 8000, 6000})) << "no re-basing after the failed pass";
  EXPECT_EQ(tabs->Number("TabHeight"), 600);
}

TEST_F(ResizeEngineTest, TabControlsFollowTheirSizeAndNewTabsArePassedOver) {
  FakePtr tabs = f.Add("SSTab", "tabPages", {0, 0, 4000, 3000});
  tabs->members["Tabs"] = 2.0;
  tabs->members["TabHeight"] = 300.0;
  tabs->members["TabMaxWidth"] = 0.0;
  tabs->members["TabsPerRow"] = 2.0;
  tabs->members["TabOrientation"] = 0.0;
  for (int i = 0; i < 2; ++i) tabs->indexed["TabPicture"][i] = HostObjectPtr(MakePicture(f.stats, 200, 200));
  FakePtr parked = f.Add("TextBox", "txtHidden", {500 - kTabParking, 600, 1000, 300}, tabs);
  Capture();
  tabs->members["Tabs"] = 3.0;  // a tab added since the recording
  tabs->indexed["TabPicture"][2] = HostObjectPtr();
  ResizeTo(12000, 8000);
  EXPECT_EQ(tabs->Number("TabMaxWidth"), 4000);
  EXPECT_EQ(tabs->Number("TabHeight"), 600);
  float w = 0, h = 0;
  ASSERT_TRUE(tools.SizeOf(*std::get<HostObjectPtr>(tabs->indexed["TabPicture"][1]), w, h));
  EXPECT_EQ(w, 400);
  EXPECT_FALSE(std::get<HostObjectPtr>(tabs->indexed["TabPicture"][2]));
  EXPECT_EQ(parked->Geometry(), (Box{1000 - kTabParking, 1200, 2000, 600})) << "a hidden page's control stays hidden";
}

TEST_F(ResizeEngineTest, WithoutScalingGraphicsNothingIsDetachedAndButtonsStillFollow) {
  settings.scaleGraphics = false;
  FakePtr list = ImageList("imlTools", 2);
  FakePtr toolbar = Toolbar("tbrMain", {0, 0, 6000, 400});
  toolbar->members["ImageList"] = HostObjectPtr(list);
  std::vector<std::string> writes;
  toolbar->log = &writes;
  Capture();
  ResizeTo(12000, 8000);
  for (const std::string& w : writes) EXPECT_THAT(w, ::testing::Not(HasSubstr("ImageList="))) << "not detached";
  EXPECT_EQ(toolbar->Number("ButtonWidth"), 600);
  EXPECT_EQ(toolbar->Number("ButtonHeight"), 600);
  EXPECT_EQ(list->Number("ImageWidth"), 16) << "not rebuilt";
  ControlRecord* r = engine.Records().Find("tbrMain");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->lastWidth, 12000) << "Last* follow the pass";
}

TEST_F(ResizeEngineTest, AResizeInsideAPassRunsOnceAfterIt) {
  FakePtr text = f.Add("TextBox", "txtName", {100, 100, 1000, 300});
  int nested = 0;
  text->onLet = [&](std::string_view m) {
    if (m != "Move" || nested++ > 0) return;
    f.Resize(18000, 12000);
    EXPECT_TRUE(engine.ResizeControls());
    EXPECT_EQ(text->Geometry().width, 2000) << "the nested call does not run inside the pass";
  };
  Capture();
  ResizeTo(12000, 8000);
  EXPECT_EQ(text->Geometry(), (Box{300, 300, 3000, 900}));
  EXPECT_EQ(state.referenceWidth, 18000);
  EXPECT_EQ(engine.Counters().passes, 2u);
}

// A host may take the collections away (Set ... = Nothing, Remove) from an event that runs while
// a control is moved: the pass goes on with the records it took.
TEST_F(ResizeEngineTest, RecordsTheHostDropsDuringAPassOutliveIt) {
  FakePtr text = f.Add("TextBox", "txtName", {100, 100, 1000, 300});
  Capture();
  text->onLet = [&](std::string_view m) {
    if (m != "Move") return;
    engine.Records().Share(nullptr);
    flags.Share(nullptr);
  };
  ResizeTo(12000, 8000);
  EXPECT_EQ(text->Geometry(), (Box{200, 200, 2000, 600}));
  EXPECT_EQ(engine.Records().Size(), 0u) << "the records the host dropped stay dropped";
}

TEST_F(ResizeEngineTest, ToolbarGrowthEndsWhateverTheToolbarDoes) {
  FakePtr toolbar = Toolbar("tbrMain", {0, 0, 6000, 400});
  int growth = 0;
  toolbar->onLet = [&](std::string_view m) {
    if (m == "ButtonHeight") toolbar->members["Height"] = 400.0 + 10 * ++growth;  // never tall enough
  };
  Capture();
  ResizeTo(6000, 40000);
  EXPECT_LE(growth, 1 + kMaxButtonGrowth);
  EXPECT_GT(growth, 2);

  FakePtr stuck = Toolbar("tbrStuck", {0, 500, 6000, 400});
  toolbar->onLet = nullptr;
  growth = 0;
  stuck->onLet = [&](std::string_view m) { growth += m == "ButtonHeight"; };
  ResizeTo(6000, 80000);
  EXPECT_LE(growth, 3) << "a height that stops changing ends the loop";
}

TEST_F(ResizeEngineTest, AnMdiParentIsShownAgainOnlyWhenVisible) {
  f.form->isForm = false;
  f.form->isMdiParent = true;
  std::vector<std::string> calls;
  f.form->log = &calls;
  Capture();
  ResizeTo(12000, 8000);
  EXPECT_THAT(calls, ElementsAre("Hide", "Show"));
  calls.clear();
  f.form->members["Visible"] = false;
  ResizeTo(6000, 4000);
  EXPECT_TRUE(calls.empty());
}

TEST_F(ResizeEngineTest, UnboundHostAndCrashedCapture) {
  host.bound = false;
  EXPECT_TRUE(engine.ResizeControls());
  EXPECT_FALSE(state.captured);
  host.bound = true;
  FakePtr text = f.Add("TextBox", "txtName", {0, 0, 100, 100});
  text->failing.insert("Index");
  FakePtr broken = MakeFake(f.stats, "Broken");
  broken->failing.insert("Name");
  f.parentControls->items.push_back(broken);
  host.initialised = true;
  EXPECT_TRUE(engine.ResizeControls());
  EXPECT_THAT(host.events, ElementsAre(std::string("Error: ") + kCrashedOut + " #438", "Done", "unlock"))
      << "with the number of the error behind it";
  EXPECT_TRUE(state.captured) << "the next call runs a pass that records what was missed";
}

}  // namespace
}  // namespace amb
