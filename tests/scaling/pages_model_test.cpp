#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "decimal_numbers.h"
#include "fake_host_object.h"
#include "pages/exclusion_page_model.h"
#include "pages/form_effects_model.h"
#include "pages/general_page_model.h"
#include "pages/page_protocol.h"
#include "pages/scale_controls_model.h"

namespace amb::pages {
namespace {

using amb::test::DecimalNumbers;
using amb::test::FakePtr;
using amb::test::MakeFake;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(PageProtocol, MarksChangedOnlyOnceLoaded) {
  PageProtocol page;
  EXPECT_FALSE(page.EditMade());
  EXPECT_FALSE(page.Changed());
  page.SetLoaded();
  EXPECT_TRUE(page.EditMade());
  EXPECT_FALSE(page.EditMade()) << "already changed";
  page.Applied();
  EXPECT_FALSE(page.Changed());
  EXPECT_TRUE(page.Loaded());
  EXPECT_FALSE(TruthOf(2)) << "a greyed box writes False";
}

// What a page shows belongs to the control it was loaded from: a selection that holds that control
// keeps it; one without it (the empty one too) drops the values and the edits alike.
TEST(PageProtocol, KeepsItsValuesOnlyWhileTheirControlIsSelected) {
  struct Case {
    bool edited, holdsLoaded;
    bool dropped;
  } cases[] = {{false, true, false}, {true, true, false}, {false, false, true}, {true, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "edited " << c.edited << " holds " << c.holdsLoaded);
    PageProtocol page;
    page.SetLoaded();
    if (c.edited) {
      ASSERT_TRUE(page.EditMade());
    }
    EXPECT_EQ(page.SelectionSet(c.holdsLoaded), c.dropped);
    EXPECT_EQ(page.Loaded(), !c.dropped);
    EXPECT_EQ(page.Changed(), c.edited && !c.dropped);
    if (c.dropped) {
      EXPECT_FALSE(page.EditMade()) << "a dropped page marks no edit before it loads again";
    }
  }
  PageProtocol fresh;
  EXPECT_FALSE(fresh.SelectionSet(false)) << "nothing loaded, nothing to drop";
}

// A Boolean shows its value And 1; a value the platform cannot take as a 32-bit integer has no
// check at all (it raises "Overflow" there), rather than whatever a conversion out of range gives.
TEST(PageProtocol, ChecksOnlyNumbersThatFitA32BitInteger) {
  struct Case {
    double value;
    std::optional<int> check;
  } cases[] = {{-1, 1},          {0, 0},           {2, 0},           {1.5, 0} /* half to even: 2 */,
               {2.5, 0},         {3.4, 1},         {2147483647, 1},  {-2147483648.0, 0},
               {2147483648.0, std::nullopt},       {1e300, std::nullopt}, {-1e300, std::nullopt},
               {kNaN, std::nullopt},               {std::numeric_limits<double>::infinity(), std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(CheckOf(c.value), c.check) << c.value;
}

// An Ambrelo as the pages see it: its properties by name, its flag list by index.
struct FakeAmbrelo {
  std::shared_ptr<amb::test::FakeStats> stats = std::make_shared<amb::test::FakeStats>();
  FakePtr control = MakeFake(stats, "Ambrelo");
  std::vector<std::string> log;
  FakeAmbrelo() {
    for (const char* b : {"GradientFill", "SaveWindowState", "ScaleGraphics", "ScaleControls", "ScaleFonts",
                          "ScaleBorders", "ResizeOnMouseUp", "StayOnTop", "CenterY", "CenterX", "BeepOnMinMax",
                          "ResizeAtOnce"})
      control->members[b] = false;
    for (const char* n : {"MdiChildHeight", "MdiChildWidth", "ScaleY", "ScaleX", "MinHeight", "MinWidth",
                          "MaxHeight", "MaxWidth", "GradientSource", "GradientType", "ControlFlagCount"})
      control->members[n] = 0.0;
    control->members["WindowName"] = std::string();
    control->indexed[std::string(kFlagKeyPropertyName)];
    for (DontScale f : kAllDontScale) control->indexed[FlagPropertyName(f)];
    control->log = &log;
  }
  void Store(int i, std::string key, std::initializer_list<DontScale> set) {
    control->indexed[std::string(kFlagKeyPropertyName)][i] = key;
    for (DontScale f : kAllDontScale)
      control->indexed[FlagPropertyName(f)][i] = std::find(set.begin(), set.end(), f) != set.end();
  }
  HostValue At(std::string_view property, int i) { return control->indexed[std::string(property)][i]; }
  bool Flag(DontScale f, int i) { return std::get<bool>(At(FlagPropertyName(f), i)); }
};

TEST(GeneralPage, LoadsWhatTheControlHoldsAndAppliesAllInOrder) {
  FakeAmbrelo amb;
  amb.control->members["ScaleFonts"] = true;
  amb.control->members["MinWidth"] = 1440.0;
  amb.control->members["GradientSource"] = 42.0;  // set by code, outside the list
  amb.control->members["GradientType"] = 1.0;
  GeneralContents contents;
  ASSERT_TRUE(LoadGeneral(*amb.control, contents));
  EXPECT_EQ(contents.checks["ScaleFonts"], 1);
  EXPECT_EQ(contents.checks["CenterX"], 0);
  EXPECT_EQ(contents.texts["MinWidth"], "1440");
  EXPECT_EQ(contents.lists["GradientSource"], -1);
  EXPECT_EQ(contents.lists["GradientType"], 1);

  contents.texts["ScaleX"] = "abc";
  contents.texts["ScaleY"] = "";
  contents.texts["MaxWidth"] = "12";
  contents.texts["WindowName"] = "";
  contents.checks["CenterX"] = 2;
  ASSERT_TRUE(ApplyGeneral(*amb.control, DecimalNumbers(), contents));
  EXPECT_EQ(contents.texts["ScaleX"], "0") << "the box shows what was written";
  EXPECT_EQ(contents.texts["ScaleY"], "0");
  EXPECT_EQ(contents.texts["WindowName"], "") << "the name is not cleaned";
  ASSERT_EQ(amb.log.size(), 23u);
  EXPECT_EQ(amb.log.front(), "Ambrelo.WindowName=");
  EXPECT_EQ(amb.log[9], "Ambrelo.ScaleY=0");
  EXPECT_EQ(amb.log[14], "Ambrelo.MaxWidth=12");
  EXPECT_EQ(amb.log.back(), "Ambrelo.ResizeAtOnce=False");
  EXPECT_EQ(std::get<bool>(amb.control->members["CenterX"]), false);
  EXPECT_EQ(TextOf(amb.control->members["GradientSource"]), "42") << "a value the list cannot show is kept";
}

TEST(GeneralPage, ApplyStopsAtTheWriteThatFails) {
  FakeAmbrelo amb;
  GeneralContents contents;
  ASSERT_TRUE(LoadGeneral(*amb.control, contents));
  amb.control->failing.insert("ScaleX");
  HostStatus applied = ApplyGeneral(*amb.control, DecimalNumbers(), contents);
  EXPECT_FALSE(applied);
  EXPECT_EQ(applied.description.rfind("ScaleX: ", 0), 0u) << applied.description;
  EXPECT_EQ(amb.log.back(), "Ambrelo.ScaleY=0");
}

// Every number is checked against its property before the first write: a refused apply writes
// nothing and names the property.
TEST(GeneralPage, ANumberItsPropertyCannotHoldRefusesTheWholeApply) {
  struct Case {
    const char* property;
    const char* typed;
    bool fits;
  } cases[] = {{"ScaleX", "99999", false}, {"ScaleY", "-32769", false}, {"ScaleX", "32767", true},
               {"ScaleY", "-32768.4", true}, {"MinWidth", "2147483648", false}, {"MaxHeight", "-2147483648", true},
               {"MdiChildWidth", "1e300", false}};
  for (const Case& c : cases) {
    FakeAmbrelo amb;
    GeneralContents contents;
    ASSERT_TRUE(LoadGeneral(*amb.control, contents));
    contents.texts[c.property] = c.typed;
    HostStatus applied = ApplyGeneral(*amb.control, DecimalNumbers(), contents);
    EXPECT_EQ(static_cast<bool>(applied), c.fits) << c.property << " " << c.typed;
    if (c.fits) continue;
    EXPECT_EQ(applied.description, std::string(c.property) + ": Overflow");
    EXPECT_TRUE(amb.log.empty()) << "nothing written";
  }
}

// Of two that cannot be held, the first the apply would write is named; the page's boxes stay as
// typed, a text that is no number among them.
TEST(GeneralPage, ARefusedApplyNamesTheFirstWriteAndKeepsTheBoxesAsTyped) {
  FakeAmbrelo amb;
  GeneralContents contents;
  ASSERT_TRUE(LoadGeneral(*amb.control, contents));
  contents.texts["ScaleX"] = "99999";
  contents.texts["ScaleY"] = "99999";
  contents.texts["MinWidth"] = "abc";
  HostStatus applied = ApplyGeneral(*amb.control, DecimalNumbers(), contents);
  EXPECT_EQ(applied.description, "ScaleY: Overflow");
  EXPECT_EQ(contents.texts["MinWidth"], "abc");
  EXPECT_TRUE(amb.log.empty());
}

// The numbers go to the control as the page read them in its locale, not as text.
TEST(GeneralPage, NumbersGoAsReadInThePagesLocale) {
  FakeAmbrelo amb;
  GeneralContents contents;
  ASSERT_TRUE(LoadGeneral(*amb.control, contents));
  contents.texts["MinWidth"] = "1,5";
  contents.texts["ScaleX"] = "abc";
  ASSERT_TRUE(ApplyGeneral(*amb.control, DecimalNumbers(","), contents));
  EXPECT_EQ(std::get<double>(amb.control->members["MinWidth"]), 1.5);
  EXPECT_EQ(std::get<double>(amb.control->members["ScaleX"]), 0.0);
  EXPECT_EQ(std::get<std::string>(amb.control->members["WindowName"]), "") << "the name stays a text";
}

TEST(GeneralPage, ABooleanBeyondA32BitIntegerFailsTheLoad) {
  for (double odd : {1e300, kNaN}) {
    FakeAmbrelo amb;
    amb.control->members["CenterX"] = odd;
    GeneralContents contents;
    HostStatus status = LoadGeneral(*amb.control, contents);
    EXPECT_FALSE(status) << odd;
    EXPECT_EQ(status.description, "CenterX: Overflow");
  }
}

// A host form with a text box (fonts, no border), a line (border, no font) and a menu.
struct HostForm {
  FakeAmbrelo amb;
  FakePtr form = MakeFake(amb.stats, "Form");
  FakePtr list = MakeFake(amb.stats, "Collection");
  FakePtr Add(const char* type, const char* name, std::initializer_list<const char*> members) {
    FakePtr c = MakeFake(amb.stats, type);
    c->members["Name"] = std::string(name);
    for (const char* m : members) c->members[m] = 0.0;
    list->items.push_back(c);
    return c;
  }
  HostForm() {
    list->first = 0;
    form->isForm = true;
    form->members["Name"] = std::string("Form1");
    list->items.push_back(form);
    FakePtr font = MakeFake(amb.stats, "Font");
    font->members["Size"] = 8.0;
    Add("TextBox", "Text1", {"Left", "Top", "Width", "Height"})->members["Font"] = HostObjectPtr(font);
    Add("Line", "Line1", {"X1", "X2", "Y1", "Y2", "BorderWidth"});
    Add("Menu", "mnuFile", {});
    amb.control->members["FormControls"] = HostObjectPtr(list);
  }
};

TEST(ExclusionPages, BuildListsByProbeTakesStoredFlagsAndBlanksGoneControlsAtOnce) {
  HostForm host;
  host.amb.control->members["ControlFlagCount"] = 4.0;
  host.amb.Store(1, "LINE1", {DontScale::Border, DontScale::Font});
  host.amb.Store(2, "Gone", {DontScale::Border, DontScale::Font});
  host.amb.Store(3, "Text1", {DontScale::Border});
  host.amb.Store(4, "text1", {});  // the later entry of a key wins
  ExclusionModel model(ExclusionKind::Borders);
  ASSERT_TRUE(model.Build(*host.amb.control));

  ASSERT_EQ(model.Records().size(), 4u);
  std::vector<std::string> listed;
  for (const PageRecord& r : model.Records())
    if (r.listed) listed.push_back(r.key + ":" + r.typeName);
  EXPECT_EQ(listed, std::vector<std::string>{"Line1:Line"});
  EXPECT_TRUE(model.Check(*model.Find("line1")));
  EXPECT_FALSE(model.Check(*model.Find("Text1")));
  EXPECT_EQ(TextOf(host.amb.At(kFlagKeyPropertyName, 2)), "");
  EXPECT_FALSE(host.amb.Flag(DontScale::Border, 2)) << "blanked before any apply";
  EXPECT_TRUE(host.amb.Flag(DontScale::Font, 2)) << "another page's flag is that page's to blank";
}

TEST(ExclusionPages, ApplyWritesEveryControlInFormOrderWithItsOwnFlags) {
  HostForm host;
  host.amb.control->members["ControlFlagCount"] = 2.0;
  host.amb.Store(1, "mnuFile", {});
  host.amb.Store(2, "Line1", {DontScale::Font, DontScale::Left});  // flags this page does not edit
  ExclusionModel model(ExclusionKind::Borders);
  ASSERT_TRUE(model.Build(*host.amb.control));
  EXPECT_TRUE(model.SetCheck(*model.Find("Line1"), true));
  EXPECT_FALSE(model.SetCheck(*model.Find("Line1"), true));
  ASSERT_TRUE(model.Apply(*host.amb.control));

  EXPECT_EQ(TextOf(host.amb.control->members["ControlFlagCount"]), "4");
  const char* keys[] = {"Form1", "Text1", "Line1", "mnuFile"};
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(TextOf(host.amb.At(kFlagKeyPropertyName, i)), keys[i - 1]);
  EXPECT_TRUE(host.amb.Flag(DontScale::Border, 3));
  EXPECT_TRUE(host.amb.Flag(DontScale::Font, 3)) << "the other flags move with their control";
  EXPECT_TRUE(host.amb.Flag(DontScale::Left, 3));
  EXPECT_FALSE(host.amb.Flag(DontScale::Font, 2));
}

TEST(ExclusionPages, AControlWithoutFormControlsBuildsNothingAndKeepsItsList) {
  FakeAmbrelo amb;
  amb.control->members["ControlFlagCount"] = 1.0;
  amb.Store(1, "Text1", {DontScale::Font});
  ExclusionModel model(ExclusionKind::Fonts);
  ASSERT_TRUE(model.Build(*amb.control));
  EXPECT_TRUE(model.Records().empty());
  EXPECT_EQ(TextOf(amb.At(kFlagKeyPropertyName, 1)), "Text1");
  uint64_t lets = amb.stats->lets;
  EXPECT_TRUE(model.Apply(*amb.control));
  EXPECT_EQ(amb.stats->lets, lets) << "an empty list is no list to store";
  EXPECT_EQ(TextOf(amb.control->members["ControlFlagCount"]), "1");
}

// The frame applies the pages of one sheet one after the other; each was built when the sheet
// opened. None may write back what another page has changed since.
TEST(ExclusionPages, PagesAppliedInTurnKeepEachOthersEdits) {
  HostForm host;
  host.amb.control->members["ControlFlagCount"] = 1.0;
  host.amb.Store(1, "Text1", {DontScale::Font});
  ExclusionModel controls(ExclusionKind::Controls), fonts(ExclusionKind::Fonts), borders(ExclusionKind::Borders);
  for (ExclusionModel* page : {&controls, &fonts, &borders}) ASSERT_TRUE(page->Build(*host.amb.control));
  Exclude(controls.Find("Text1")->entry);
  EXPECT_TRUE(fonts.SetCheck(*fonts.Find("Text1"), false));
  EXPECT_TRUE(borders.SetCheck(*borders.Find("Line1"), true));
  for (ExclusionModel* page : {&controls, &fonts, &borders}) ASSERT_TRUE(page->Apply(*host.amb.control));

  ASSERT_EQ(TextOf(host.amb.At(kFlagKeyPropertyName, 2)), "Text1");  // the form's order: Form1, Text1, Line1, mnuFile
  EXPECT_TRUE(host.amb.Flag(DontScale::Control, 2)) << "ScaleControls' edit";
  EXPECT_TRUE(host.amb.Flag(DontScale::Left, 2));
  EXPECT_FALSE(host.amb.Flag(DontScale::Font, 2)) << "ScaleFonts' edit";
  EXPECT_TRUE(host.amb.Flag(DontScale::Border, 3)) << "ScaleBorders' edit";
  EXPECT_FALSE(host.amb.Flag(DontScale::Control, 3));
}

// A list read only in part would write False for every flag it never read: the page keeps no
// list, writes nothing and answers why.
TEST(ExclusionPages, AStoredListThatCannotBeReadWholeWritesNothing) {
  struct Case {
    const char* what;
    double count;
    double flag;  // of entry 1, the page's own
    const char* failure;
  } cases[] = {
      {"an entry missing", 2, 0, "Object doesn't support this property or method"},
      {"a count beyond 16 bits", 40000, 0, "ControlFlagCount: Overflow"},
      {"a count of 1e300", 1e300, 0, "ControlFlagCount: Overflow"},
      {"a count that is no number", kNaN, 0, "ControlFlagCount: Overflow"},
      {"a flag of 1e300", 1, 1e300, "ControlFlagDontScaleBorder: Overflow"},
      {"a flag that is no number", 1, kNaN, "ControlFlagDontScaleBorder: Overflow"},
  };
  for (const Case& c : cases) {
    HostForm host;
    host.amb.Store(1, "Line1", {});
    host.amb.control->indexed[FlagPropertyName(DontScale::Border)][1] = c.flag;
    host.amb.control->members["ControlFlagCount"] = c.count;
    ExclusionModel model(ExclusionKind::Borders);
    HostStatus built = model.Build(*host.amb.control);
    EXPECT_FALSE(built) << c.what;
    EXPECT_EQ(built.description, c.failure) << c.what;
    EXPECT_FALSE(model.HasList()) << c.what;
    uint64_t lets = host.amb.stats->lets;
    EXPECT_TRUE(model.Apply(*host.amb.control)) << c.what;
    EXPECT_EQ(host.amb.stats->lets, lets) << c.what;
  }
  // Built whole, but unreadable by the time of the apply: nothing is written over it.
  HostForm host;
  ExclusionModel model(ExclusionKind::Borders);
  ASSERT_TRUE(model.Build(*host.amb.control));
  host.amb.control->members["ControlFlagCount"] = 1e300;
  uint64_t lets = host.amb.stats->lets;
  EXPECT_FALSE(model.Apply(*host.amb.control));
  EXPECT_EQ(host.amb.stats->lets, lets);
}

// The fake control, refusing the writes of one indexed property.
class RefusingWritesOf final : public HostObject {
 public:
  RefusingWritesOf(HostObject& inner, std::string refused) : inner_(inner), refused_(std::move(refused)) {}
  HostStatus Get(std::string_view m, HostValue& out) override { return inner_.Get(m, out); }
  HostStatus Let(std::string_view m, const HostValue& v) override { return inner_.Let(m, v); }
  HostStatus Call(std::string_view m, const std::vector<HostValue>& a, HostValue* r) override {
    return inner_.Call(m, a, r);
  }
  HostStatus GetAt(std::string_view m, const HostValue& i, HostValue& out) override { return inner_.GetAt(m, i, out); }
  HostStatus LetAt(std::string_view m, const HostValue& i, const HostValue& v) override {
    return m == refused_ ? HostStatus::Failed("Permission denied") : inner_.LetAt(m, i, v);
  }
  std::string TypeName() override { return inner_.TypeName(); }
  bool IsForm() override { return inner_.IsForm(); }
  bool IsMdiParent() override { return inner_.IsMdiParent(); }
  const void* Identity() override { return inner_.Identity(); }

 private:
  HostObject& inner_;
  std::string refused_;
};

TEST(ExclusionPages, AFailedWriteIsAnsweredAfterTheRest) {
  HostForm host;
  ExclusionModel model(ExclusionKind::Controls);
  ASSERT_TRUE(model.Build(*host.amb.control));
  Exclude(model.Find("Text1")->entry);
  RefusingWritesOf refusing(*host.amb.control, FlagPropertyName(DontScale::Left));
  HostStatus applied = model.Apply(refusing);
  EXPECT_FALSE(applied);
  EXPECT_EQ(applied.description, FlagPropertyName(DontScale::Left) + ": Permission denied")
      << "named after its property";
  EXPECT_TRUE(host.amb.Flag(DontScale::Top, 2)) << "the writes after the failed one";
  EXPECT_EQ(TextOf(host.amb.At(kFlagKeyPropertyName, 4)), "mnuFile");
}

TEST(ExclusionPages, BannerTellsTheSwitch) {
  FakeAmbrelo amb;
  amb.control->members["ScaleGraphics"] = true;
  Banner on = ReadBanner(ExclusionKind::Graphics, *amb.control);
  EXPECT_EQ(on.caption, "ScaleGraphics = True (Set on General Tab) ");
  EXPECT_EQ(on.colour, 0xFF00u);
  Banner off = ReadBanner(ExclusionKind::Controls, *amb.control);
  EXPECT_EQ(off.caption, "ScaleControls = False (Set on General Tab) ");
  EXPECT_EQ(off.colour, 0xFFu);
  for (double odd : {1e300, kNaN}) {
    amb.control->members["ScaleFonts"] = odd;
    EXPECT_EQ(ReadBanner(ExclusionKind::Fonts, *amb.control).caption, "ScaleFonts = False (Set on General Tab) ")
        << "a switch no Boolean reads as unreadable";
  }
}

TEST(ScaleControlsLocks, AtMostTwoLocksPerAxis) {
  LockBoxes boxes{};
  boxes[static_cast<int>(Lock::Left)] = boxes[static_cast<int>(Lock::Width)] = true;
  EXPECT_TRUE(IsThirdOfAxis(Lock::Right, boxes));
  EXPECT_FALSE(IsThirdOfAxis(Lock::Top, boxes));
  boxes[static_cast<int>(Lock::Top)] = boxes[static_cast<int>(Lock::Bottom)] = true;
  EXPECT_TRUE(IsThirdOfAxis(Lock::Height, boxes));
  EXPECT_FALSE(IsThirdOfAxis(Lock::Left, boxes)) << "resetting one of the two is no third";
}

TEST(ScaleControlsLocks, ExcludingLocksPlaceAndSizeIncludingClearsAll) {
  FlagEntry e;
  e[DontScale::Right] = true;
  Exclude(e);
  EXPECT_TRUE(e[DontScale::Control] && e[DontScale::Left] && e[DontScale::Top] && e[DontScale::Width] &&
              e[DontScale::Height]);
  EXPECT_TRUE(e[DontScale::Right]) << "Right and Bottom stay as they were";
  ExcludeAll(e);
  EXPECT_FALSE(e[DontScale::Right]);
  e[DontScale::Font] = true;
  Include(e);
  EXPECT_EQ(LocksOf(e), LockBoxes{});
  EXPECT_FALSE(e[DontScale::Control]);
  EXPECT_TRUE(e[DontScale::Font]) << "other pages' flags are not touched";
  EXPECT_EQ(LockCaption(Lock::Height, true), "Lock Y Height");
  EXPECT_EQ(LockCaption(Lock::Right, false), "Lock Right");
}

// The rule reads the box in the page's locale: a lone decimal separator gets its 0, whichever it
// is, and a lone "." in every locale is taken for the locale's separator.
TEST(FormEffectsPage, TimeBoxesHoldZeroToTenSeconds) {
  struct Case {
    const char* separator;
    const char* typed;
    const char* shown;
    bool replaced;
  } cases[] = {{".", ".", "0.", true},    {".", "-", "0", true},   {".", "12", "10", true}, {".", "abc", "0", true},
               {".", "2.5", "2.5", false}, {".", "", "", false},   {".", "0.", "0.", false}, {".", "10", "10", false},
               {",", ",", "0,", true},    {",", "2,5", "2,5", false}, {",", "10,5", "10", true},
               {",", "-0,5", "0", true},  {",", ".", "0,", true}};
  for (const Case& c : cases) {
    TimeBoxEdit edit = TimeBoxRule(c.typed, DecimalNumbers(c.separator));
    EXPECT_EQ(edit.text, c.shown) << c.typed;
    EXPECT_EQ(edit.replaced, c.replaced) << c.typed;
  }
}

TEST(FormEffectsPage, LoadClampsStoredTimesAndApplyWritesFiveValues) {
  FakeAmbrelo amb;
  for (const char* n : {"FormOpen", "FormClose", "FormPicture"}) amb.control->members[n] = 0.0;
  amb.control->members["FormOpen"] = 7.0;
  amb.control->members["FormPicture"] = 9.0;  // set by code, outside the list
  amb.control->members["FormOpenTime"] = 25.0;
  amb.control->members["FormCloseTime"] = 1.0;
  EffectsContents contents;
  ASSERT_TRUE(LoadEffects(*amb.control, DecimalNumbers(), contents));
  EXPECT_EQ(contents.lists["FormOpen"], 7);
  EXPECT_EQ(contents.lists["FormPicture"], -1);
  EXPECT_EQ(contents.times["FormOpenTime"], "10");
  EXPECT_EQ(contents.times["FormCloseTime"], "1");
  contents.times["FormCloseTime"] = "";
  ASSERT_TRUE(ApplyEffects(*amb.control, DecimalNumbers(), contents));
  EXPECT_EQ(amb.log, (std::vector<std::string>{"Ambrelo.FormOpen=7", "Ambrelo.FormClose=0", "Ambrelo.FormPicture=9",
                                               "Ambrelo.FormOpenTime=10", "Ambrelo.FormCloseTime=0"}));
}

// A fractional time is shown with the locale's separator and goes back to the control as the
// number it is, never as text for the control to read again.
TEST(FormEffectsPage, FractionalTimesKeepTheirValueInACommaLocale) {
  FakeAmbrelo amb;
  for (const char* n : {"FormOpen", "FormClose", "FormPicture"}) amb.control->members[n] = 0.0;
  amb.control->members["FormOpenTime"] = 2.5;
  amb.control->members["FormCloseTime"] = static_cast<double>(0.1f);
  DecimalNumbers comma(",");
  EffectsContents contents;
  ASSERT_TRUE(LoadEffects(*amb.control, comma, contents));
  EXPECT_EQ(contents.times["FormOpenTime"], "2,5");
  EXPECT_EQ(contents.times["FormCloseTime"], "0,1") << "a Single's own digits";
  ASSERT_TRUE(ApplyEffects(*amb.control, comma, contents));
  EXPECT_EQ(std::get<double>(amb.control->members["FormOpenTime"]), 2.5);
  EXPECT_NEAR(std::get<double>(amb.control->members["FormCloseTime"]), 0.1, 1e-9);
}

// A time that is no number refuses the apply before the lists are written.
TEST(FormEffectsPage, ATimeThatIsNoNumberRefusesTheWholeApply) {
  FakeAmbrelo amb;
  for (const char* n : {"FormOpen", "FormClose", "FormPicture", "FormOpenTime", "FormCloseTime"})
    amb.control->members[n] = 0.0;
  EffectsContents contents;
  ASSERT_TRUE(LoadEffects(*amb.control, DecimalNumbers(), contents));
  contents.lists["FormOpen"] = 3;
  contents.times["FormCloseTime"] = "abc";
  HostStatus applied = ApplyEffects(*amb.control, DecimalNumbers(), contents);
  EXPECT_FALSE(applied);
  EXPECT_EQ(applied.description, "FormCloseTime: \"abc\" is not a number");
  EXPECT_TRUE(amb.log.empty());
}

TEST(FormEffectsPage, StoredTimesBeyondASingleLoadClamped) {
  FakeAmbrelo amb;
  for (const char* n : {"FormOpen", "FormClose", "FormPicture"}) amb.control->members[n] = 0.0;
  amb.control->members["FormOpenTime"] = 1e300;
  amb.control->members["FormCloseTime"] = kNaN;
  EffectsContents contents;
  ASSERT_TRUE(LoadEffects(*amb.control, DecimalNumbers(), contents));
  EXPECT_EQ(contents.times["FormOpenTime"], "10");
  EXPECT_EQ(contents.times["FormCloseTime"], "0");
}

}  // namespace
}  // namespace amb::pages
