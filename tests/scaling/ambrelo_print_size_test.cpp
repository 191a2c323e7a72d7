// Ambrelo.dll, as registered, on a form of our own runtime. Printing: the form goes to its print
// size (larger than the screen when asked), maybe parked off screen or with the printing box up,
// and comes back exactly; the box's Cancel raises PrintCancelled once; errors carry an error
// object. The record collections: the engine's own records, by key or position.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "automation_client.h"
#include "control_fixture.h"
#include "controls.h"
#include "form.h"
#include "frm_dialog.h"
#include "library_boxes.h"
#include "pump_messages.h"
#include "rounding.h"
#include "screen.h"
#include "scoped_win.h"
#include "window_picture.h"

namespace {

using rt::ControlKind;
using test::LateGet;
using test::LateInvoke;
using test::NumberOf;
using test::PumpFor;
using test::TextOf;
using test::VarBool;
using test::VarDouble;
using test::VarLong;

constexpr int kMinWidth = 3000;

VARIANT LeftOut() {
  VARIANT v;
  V_VT(&v) = VT_ERROR;
  V_ERROR(&v) = DISP_E_PARAMNOTFOUND;
  return v;
}
constexpr rt::PropertyDesign kAmbreloValues[] = {
    {"MinWidth", "3000"}, {"BeepOnMinMax", "False"}, {"ResizeOnMouseUp", "False"}};

constexpr rt::ControlDesign kControls[] = {
    {.name = "cmdOk", .kind = ControlKind::CommandButton, .left = 120, .top = 600, .width = 1200, .height = 400,
     .caption = "OK"},
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 4000, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kAmbreloValues},
};

// What the form heard of the control: every event by name, and the Error event's two arguments.
class PrintForm : public rt::Form {
 public:
  PrintForm() : rt::Form("frmPrint") {}
  std::vector<std::string> events;
  std::wstring errorText, errorObjectText, errorSource;
  double errorNumber = 0;

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Printed";
    s.clientWidth = 6000;
    s.clientHeight = 3000;
    s.startPosition = rt::StartPosition::Manual;
    s.left = 1500;
    s.top = 1500;
    s.controls = kControls;
    return s;
  }
  void Control_Event(rt::Control&, rt::ObjectEvent& event) override {
    if (event.name == "ResizeStarted" || event.name == "ResizeDone") return;
    events.push_back(event.name);
    if (event.name != "Error" || event.args.size() != 2) return;
    VARIANT text;
    VariantInit(&text);
    if (SUCCEEDED(VariantCopyInd(&text, event.args[0])) && V_VT(&text) == VT_BSTR) errorText = V_BSTR(&text);
    VariantClear(&text);
    VARIANT object;
    VariantInit(&object);
    if (SUCCEEDED(VariantCopyInd(&object, event.args[1])) && V_VT(&object) == VT_DISPATCH && V_DISPATCH(&object)) {
      errorObjectText = TextOf(LateGet(V_DISPATCH(&object), L"Description"));
      errorSource = TextOf(LateGet(V_DISPATCH(&object), L"Source"));
      errorNumber = NumberOf(LateGet(V_DISPATCH(&object), L"Number"));
    }
    VariantClear(&object);
  }
};

PrintForm& frmPrint() {
  static PrintForm form;
  return form;
}

class AmbreloPrintSize : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    frmPrint().events.clear();
    frmPrint().Show();
    PumpFor(150);
    before_ = Rect();
  }
  void TearDown() override {
    frmPrint().Unload();
    rt::CollectUnloadedForms();
  }
  static IDispatch* Control() {
    return static_cast<rt::OleControl*>(frmPrint().FindControl("Ambrelo1"))->Object();
  }
  // PrintSize with the arguments given; the rest are left out.
  static test::LateCall PrintSize(std::vector<VARIANT> args) {
    test::LateCall r = LateInvoke(Control(), L"PrintSize", DISPATCH_METHOD, std::move(args));
    EXPECT_TRUE(r.ok()) << std::hex << r.hr << " " << std::string(r.description.begin(), r.description.end());
    PumpFor(60);
    return r;
  }
  static RECT Rect() {
    RECT r;
    GetWindowRect(frmPrint().hWnd(), &r);
    return r;
  }
  static int Width() { return Rect().right - Rect().left; }
  static int Pixels(double twips) { return static_cast<int>(rt::RoundHalfEven(twips / rt::Screen().TwipsPerPixelX())); }
  static void ExpectRect(const RECT& want) {
    RECT now = Rect();
    EXPECT_EQ(now.left, want.left);
    EXPECT_EQ(now.top, want.top);
    EXPECT_EQ(now.right, want.right);
    EXPECT_EQ(now.bottom, want.bottom);
  }
  RECT before_{};
};

TEST_F(AmbreloPrintSize, AFormWiderThanTheScreenIsPrintedAtItsWholeWidthAndComesBack) {
  ASSERT_LT(rt::Screen().Width(), 30000);
  ASSERT_TRUE(PrintSize({VarBool(true), VarDouble(30000), VarDouble(20000)}).ok());
  EXPECT_EQ(Width(), Pixels(30000));
  EXPECT_EQ(Rect().left, before_.left) << "printed where it stands";
  EXPECT_NEAR(frmPrint().Width(), 30000, rt::Screen().TwipsPerPixelX());

  ASSERT_TRUE(PrintSize({VarBool(false)}).ok());
  ExpectRect(before_);
  EXPECT_TRUE(frmPrint().events.empty()) << "the program's own False raises nothing";
}

// Held by the move's tracking limits themselves: the resize reaction's clamp, which would disable the
// form for a moment, has nothing to do.
TEST_F(AmbreloPrintSize, TheMinimumWidthHoldsDuringTheMove) {
  ASSERT_TRUE(LateInvoke(Control(), L"PrintSize", DISPATCH_METHOD, {VarBool(true), VarDouble(1000), VarDouble(1500)}).ok());
  EXPECT_TRUE(IsWindowEnabled(frmPrint().hWnd())) << "no clamp";
  EXPECT_EQ(Width(), Pixels(kMinWidth));
  PrintSize({VarBool(false)});
  ExpectRect(before_);
}

TEST_F(AmbreloPrintSize, AHiddenFormIsParkedOffScreenKeptThereAndPutBack) {
  const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
  // The sizes left out in the middle, as a script host passes them.
  ASSERT_TRUE(PrintSize({VarBool(true), LeftOut(), LeftOut(), VarLong(1), VarBool(true)}).ok());
  EXPECT_GE(Rect().left, right);
  const int parked = Rect().left;
  SetWindowPos(frmPrint().hWnd(), nullptr, 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(150);
  EXPECT_EQ(Rect().left, parked) << "pushed back while printing";

  PrintSize({VarBool(false)});
  ExpectRect(before_);
  SetWindowPos(frmPrint().hWnd(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(150);
  EXPECT_EQ(Rect().left, 40) << "and left alone afterwards";
}

TEST_F(AmbreloPrintSize, AMaximisedFormIsPrintedInTheNormalStateAndMaximisedAgain) {
  ShowWindow(frmPrint().hWnd(), SW_MAXIMIZE);
  PumpFor(100);
  ASSERT_TRUE(IsZoomed(frmPrint().hWnd()));
  PrintSize({VarBool(true), VarDouble(12000), VarDouble(9000)});
  EXPECT_FALSE(IsZoomed(frmPrint().hWnd()));
  EXPECT_EQ(Width(), Pixels(12000));
  // Looked at before any message runs: without a window manager, Wine takes the X server's late
  // answer to the restoring move for a move by the user and drops the maximised state again.
  ASSERT_TRUE(LateInvoke(Control(), L"PrintSize", DISPATCH_METHOD, {VarBool(false)}).ok());
  EXPECT_TRUE(IsZoomed(frmPrint().hWnd()));
  ShowWindow(frmPrint().hWnd(), SW_RESTORE);
  PumpFor(100);
  ExpectRect(before_);
}

TEST_F(AmbreloPrintSize, CancelInThePrintingBoxRestoresTheFormAndRaisesPrintCancelledOnce) {
  PrintSize({VarBool(true), VarDouble(9000), VarDouble(6000), VarLong(1), VarBool(false), VarBool(true),
             VarBool(true)});
  HWND cancel = ambtest::PrintingBoxCancelOfThisThread();
  ASSERT_NE(cancel, nullptr);
  HWND box = GetParent(cancel);
  EXPECT_TRUE(GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageA(box, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(box)) << "Alt+F4 would leave the form printing with no Cancel";
  EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(box), TARNWICK_ARTIFACT_DIR, "ambrelo-printing-box"));
  SendMessageA(cancel, BM_CLICK, 0, 0);
  PumpFor(60);
  EXPECT_EQ(frmPrint().events, std::vector<std::string>{"PrintCancelled"});
  EXPECT_FALSE(IsWindow(box));
  ExpectRect(before_);
  PrintSize({VarBool(false)});
  EXPECT_EQ(frmPrint().events.size(), 1u);
}

// PrintSize never raises: a printing box the system refuses its window is passed over, the form
// is printed at its size all the same and comes back.
TEST_F(AmbreloPrintSize, APrintingBoxTheSystemRefusesIsPassedOver) {
  {
    ambtest::RefusedWindow refused("Ambrelo");
    ASSERT_TRUE(refused);
    ASSERT_TRUE(PrintSize({VarBool(true), VarDouble(9000), VarDouble(6000), VarLong(1), VarBool(false), VarBool(true),
                           VarBool(true)})
                    .ok());
  }
  EXPECT_EQ(ambtest::PrintingBoxCancelOfThisThread(), nullptr);
  EXPECT_EQ(Width(), Pixels(9000));
  ASSERT_TRUE(PrintSize({VarBool(false)}).ok());
  ExpectRect(before_);
  EXPECT_TRUE(frmPrint().events.empty());
}

// The box says what goes on, in the system's own words, and offers Cancel with its access key.
TEST(PrintingBox, SaysPrintingAndOffersCancel) {
  amb::FrmDialog& box = amb::frmDialog();
  box.Load();
  EXPECT_EQ(box.Ctl<rt::Label>("lblMessage").Caption(), "Printing...");
  EXPECT_EQ(box.Ctl<rt::CommandButton>("cmdCancel").Caption(), "&Cancel");
  box.Unload();
}

// A box left up would stay on top for good, its Cancel (if any) moving a form that is gone.
TEST_F(AmbreloPrintSize, ThePrintingBoxGoesWithTheFormThatIsPrinting) {
  PrintSize({VarBool(true), VarDouble(9000), VarDouble(6000), VarLong(1), VarBool(false), VarBool(true)});
  ASSERT_NE(ambtest::PrintingBoxCancelOfThisThread(), nullptr);
  EXPECT_FALSE(IsWindowVisible(ambtest::PrintingBoxCancelOfThisThread())) << "no Cancel unless allowed";
  RECT box;
  GetWindowRect(GetParent(ambtest::PrintingBoxCancelOfThisThread()), &box);
  EXPECT_NEAR((box.left + box.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred";
  EXPECT_NEAR((box.top + box.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  frmPrint().Unload();
  PumpFor(60);
  EXPECT_EQ(ambtest::PrintingBoxCancelOfThisThread(), nullptr);
}

TEST_F(AmbreloPrintSize, AScaleModeTheFormCannotConvertIsReportedWithAnErrorObject) {
  ASSERT_TRUE(PrintSize({VarBool(true), VarDouble(100), VarDouble(100), VarLong(99)}).ok());
  EXPECT_EQ(frmPrint().events, std::vector<std::string>{"Error"});
  EXPECT_EQ(frmPrint().errorText, L"Error in ScaleMode");
  EXPECT_EQ(frmPrint().errorObjectText, frmPrint().errorText);
  EXPECT_EQ(frmPrint().errorSource, L"AmbreloControl");
  EXPECT_EQ(frmPrint().errorNumber, 5) << "the form's own error: invalid procedure call";
  ExpectRect(before_);
}

// The records of the last capture, as a host program reaches them.
class AmbreloRecords : public AmbreloPrintSize {
 protected:
  static rt::ComPtr<IDispatch> Collection(const wchar_t* name) {
    test::LateCall r = LateGet(Control(), name);
    EXPECT_EQ(V_VT(&r.value), VT_DISPATCH) << name;
    rt::ComPtr<IDispatch> c(V_VT(&r.value) == VT_DISPATCH ? V_DISPATCH(&r.value) : nullptr);
    VariantClear(&r.value);
    return c;
  }
  static rt::ComPtr<IDispatch> Item(IDispatch* collection, VARIANT index) {
    test::LateCall r = LateGet(collection, L"Item", {index});
    rt::ComPtr<IDispatch> item(V_VT(&r.value) == VT_DISPATCH ? V_DISPATCH(&r.value) : nullptr);
    VariantClear(&r.value);
    return item;
  }
  static VARIANT Key(const wchar_t* key) {
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(key);
    return v;
  }
  static VARIANT Object(IDispatch* object) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object;
    object->AddRef();
    return v;
  }
  static RECT ButtonRect() {
    RECT r;
    GetWindowRect(frmPrint().FindControl("cmdOk")->hWnd(), &r);
    MapWindowPoints(nullptr, frmPrint().hWnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
};

TEST_F(AmbreloRecords, TheCollectionsHoldTheCapturedRecordsByKeyWhateverTheCaseOrByPosition) {
  rt::ComPtr<IDispatch> info = Collection(L"colControlInfo");
  ASSERT_TRUE(info);
  EXPECT_EQ(test::TypeNameOf(info.get()), L"Collection");
  const double count = NumberOf(LateGet(info.get(), L"Count"));
  EXPECT_GE(count, 2) << "the form and cmdOk at least";
  rt::ComPtr<IDispatch> button = Item(info.get(), Key(L"CMDOK"));
  ASSERT_TRUE(button);
  ASSERT_TRUE(LateInvoke(Control(), L"SaveControlFlags", DISPATCH_METHOD, {Key(L"\u00C9mile")}).ok());
  EXPECT_TRUE(Item(Collection(L"colControlFlags").get(), Key(L"\u00E9MILE"))) << "case beyond ASCII";
  EXPECT_EQ(test::TypeNameOf(button.get()), L"ControlClass");
  EXPECT_EQ(NumberOf(LateGet(button.get(), L"Width")), 1200);
  EXPECT_EQ(NumberOf(LateGet(button.get(), L"SpecialControlType")), 0);
  EXPECT_EQ(NumberOf(LateGet(Item(info.get(), VarLong(1)).get(), L"SpecialControlType")), 6) << "the form first";

  test::LateCall missing = LateGet(info.get(), L"Item", {Key(L"nothing")});
  EXPECT_EQ(missing.scode, static_cast<SCODE>(0x800A0005));
  test::LateCall beyond = LateGet(info.get(), L"Item", {VarLong(static_cast<LONG>(count) + 1)});
  EXPECT_EQ(beyond.scode, static_cast<SCODE>(0x800A0009));
  test::LateCall noIndex = LateGet(button.get(), L"TabPicture", {VarLong(0)});
  EXPECT_EQ(noIndex.scode, static_cast<SCODE>(0x800A0009)) << "an indexed member never written";

  test::LateCall each = LateGet(info.get(), L"_NewEnum");
  ASSERT_EQ(V_VT(&each.value), VT_UNKNOWN);
  rt::ComPtr<IEnumVARIANT> items;
  ASSERT_HRESULT_SUCCEEDED(V_UNKNOWN(&each.value)->QueryInterface(IID_IEnumVARIANT, items.put_void()));
  VariantClear(&each.value);
  VARIANT got[8];
  ULONG fetched = 0;
  items->Next(8, got, &fetched);
  EXPECT_EQ(fetched, count);
  for (ULONG i = 0; i < fetched; ++i) VariantClear(&got[i]);
}

// The flags a host writes are the ones the engine reads: a locked button stays where it is.
TEST_F(AmbreloRecords, FlagsWrittenThroughTheCollectionAreTheEnginesOwn) {
  rt::ComPtr<IDispatch> flags = Collection(L"colControlFlags");
  ASSERT_TRUE(flags);
  rt::ComPtr<IDispatch> entry = Item(flags.get(), Key(L"cmdok"));
  ASSERT_TRUE(entry);
  EXPECT_EQ(test::TypeNameOf(entry.get()), L"ControlFlags");
  for (const wchar_t* flag : {L"DontScaleLeft", L"DontScaleTop", L"DontScaleWidth", L"DontScaleHeight"})
    ASSERT_TRUE(test::LatePut(entry.get(), flag, VarBool(true)).ok()) << flag;
  EXPECT_TRUE(TextOf(LateGet(Item(flags.get(), Key(L"CMDOK")).get(), L"DontScaleLeft")) == L"True");

  const RECT locked = ButtonRect();
  SetWindowPos(frmPrint().hWnd(), nullptr, 0, 0, Width() * 3 / 2, (Rect().bottom - Rect().top) * 3 / 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(200);
  const RECT after = ButtonRect();
  EXPECT_EQ(after.left, locked.left);
  EXPECT_EQ(after.right, locked.right);
  SetWindowPos(frmPrint().hWnd(), nullptr, 0, 0, before_.right - before_.left, before_.bottom - before_.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TEST_F(AmbreloRecords, OnlyTheLibrarysOwnCollectionsAndRecordsAreTaken) {
  rt::ComPtr<IDispatch> info = Collection(L"colControlInfo");
  rt::ComPtr<IDispatch> flags = Collection(L"colControlFlags");
  ASSERT_TRUE(info && flags);
  test::LateCall wrongKind = LateInvoke(Control(), L"colControlInfo", DISPATCH_PROPERTYPUTREF, {Object(flags.get())});
  EXPECT_EQ(wrongKind.scode, static_cast<SCODE>(0x800A000D));
  EXPECT_NE(wrongKind.description.find(L"colControlInfo"), std::wstring::npos);
  rt::ComPtr<IDispatch> button = Item(info.get(), Key(L"cmdOk"));
  for (double tooLarge : {1e39, -1e39}) {
    EXPECT_EQ(test::LatePut(button.get(), L"Width", VarDouble(tooLarge)).scode, static_cast<SCODE>(0x800A0006));
    EXPECT_EQ(test::LatePut(button.get(), L"FontSize", VarDouble(tooLarge)).scode, static_cast<SCODE>(0x800A0006));
  }
  EXPECT_EQ(NumberOf(LateGet(button.get(), L"Width")), 1200) << "a Single too large for it is refused";
  test::LateCall foreign = LateInvoke(flags.get(), L"Add", DISPATCH_METHOD, {Object(button.get()), Key(L"x")});
  EXPECT_EQ(foreign.scode, static_cast<SCODE>(0x800A000D)) << "a ControlClass is no ControlFlags";
  const double count = NumberOf(LateGet(info.get(), L"Count"));
  test::LateCall twice = LateInvoke(info.get(), L"Add", DISPATCH_METHOD, {Object(button.get()), Key(L"CmdOK")});
  EXPECT_EQ(twice.scode, static_cast<SCODE>(0x800A01C9)) << "a key is stored once";
  EXPECT_EQ(NumberOf(LateGet(info.get(), L"Count")), count);

  // Assigned by reference: the control's member and the assigned collection are one.
  ASSERT_TRUE(LateInvoke(Control(), L"colControlFlags", DISPATCH_PROPERTYPUTREF, {Object(flags.get())}).ok());
  ASSERT_TRUE(LateInvoke(flags.get(), L"Remove", DISPATCH_METHOD, {Key(L"CMDOK")}).ok());
  EXPECT_EQ(NumberOf(LateGet(Collection(L"colControlFlags").get(), L"Count")),
            NumberOf(LateGet(flags.get(), L"Count")));
  EXPECT_FALSE(Item(Collection(L"colControlFlags").get(), Key(L"cmdOk")));
}

// A host with two apartment threads: each shows the library's about box and its printing box, the
// threads one after the other and then both at once, and the host lives on. A thread closes its
// boxes only once every thread of the round has its own up, so that at once means at once.
struct HostThread {
  bool aboutShown = false, aboutReturned = false, aboutWithTheOther = false;
  bool printBoxShown = false, printBoxWithTheOther = false, printEnded = false;
};
std::atomic<int> g_aboutBoxesUp{0}, g_printBoxesUp{0};
int g_threadsTogether = 1;
thread_local HostThread* t_thread = nullptr;
thread_local int t_ticks = 0;
constexpr int kTicksBeforeGivingUp = 200;  // of 50 ms: a box whose twin never comes is closed all the same

void CALLBACK CloseTheAboutBoxOnceAllAreUp(HWND, UINT, UINT_PTR, DWORD) {
  HWND box = ambtest::AboutBoxOfThisThread();
  if (!box) return;
  if (!t_thread->aboutShown) {
    t_thread->aboutShown = true;
    ++g_aboutBoxesUp;
  }
  t_thread->aboutWithTheOther = g_aboutBoxesUp.load() >= g_threadsTogether;
  if (t_thread->aboutWithTheOther || ++t_ticks >= kTicksBeforeGivingUp) ambtest::ClickOk(box);
}

void ShowTheLibrarysBoxes(HostThread& run) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  {
    PrintForm form;
    form.Show();
    PumpFor(150);
    auto* ambrelo = static_cast<rt::OleControl*>(form.FindControl("Ambrelo1"));
    if (IDispatch* control = ambrelo ? ambrelo->Object() : nullptr) {
      t_thread = &run;
      UINT_PTR timer = SetTimer(nullptr, 0, 50, &CloseTheAboutBoxOnceAllAreUp);
      run.aboutReturned = LateInvoke(control, L"AboutBox", DISPATCH_METHOD).ok();
      KillTimer(nullptr, timer);

      run.printBoxShown = LateInvoke(control, L"PrintSize", DISPATCH_METHOD,
                                     {VarBool(true), VarDouble(9000), VarDouble(6000), VarLong(1), VarBool(false),
                                      VarBool(true), VarBool(true)})
                              .ok() &&
                          ambtest::PrintingBoxCancelOfThisThread() != nullptr;
      ++g_printBoxesUp;
      for (int tick = 0; g_printBoxesUp.load() < g_threadsTogether && tick < kTicksBeforeGivingUp; ++tick) PumpFor(50);
      run.printBoxWithTheOther = g_printBoxesUp.load() >= g_threadsTogether;
      run.printEnded = LateInvoke(control, L"PrintSize", DISPATCH_METHOD, {VarBool(false)}).ok() &&
                       ambtest::PrintingBoxCancelOfThisThread() == nullptr;
    }
    form.Unload();
    rt::CollectUnloadedForms();
  }
  CoUninitialize();
}

TEST(LibraryBoxesOnApartmentThreads, EachThreadShowsBothBoxesOneThreadAfterTheOtherAndBothAtOnce) {
  // The host's first thread holds a control of its own: the library stays loaded while the other
  // threads come and go, as in a host whose main form holds one.
  rt::ComPtr<IDispatch> held = ambtest::CreateControl();
  ASSERT_TRUE(held);
  for (int together : {1, 2}) {
    g_threadsTogether = together;
    g_aboutBoxesUp = 0;
    g_printBoxesUp = 0;
    HostThread runs[2];
    if (together == 1) {
      for (HostThread& run : runs) std::thread(ShowTheLibrarysBoxes, std::ref(run)).join();
    } else {
      std::thread first(ShowTheLibrarysBoxes, std::ref(runs[0])), second(ShowTheLibrarysBoxes, std::ref(runs[1]));
      first.join();
      second.join();
    }
    for (const HostThread& run : runs) {
      const char* round = together == 1 ? "one after the other" : "at once";
      EXPECT_TRUE(run.aboutShown) << round;
      EXPECT_TRUE(run.aboutReturned) << round;
      EXPECT_TRUE(run.aboutWithTheOther) << round;
      EXPECT_TRUE(run.printBoxShown) << round;
      EXPECT_TRUE(run.printBoxWithTheOther) << round;
      EXPECT_TRUE(run.printEnded) << round;
    }
  }
}

}  // namespace
