// Ambrelo.dll, as registered, on a form of our own runtime: the control binds the form through
// its extender's Parent, follows the form's events and reads and writes the form by name.
#include <gtest/gtest.h>

#include <ocidl.h>

#include <string>

#include "automation_client.h"
#include "form.h"
#include "message_loop.h"
#include "ole/form_model.h"
#include "pump_messages.h"
#include "screen.h"
#include "window_picture.h"

namespace {

using rt::ControlKind;

constexpr int kMinWidth = 5000;  // twips, the form's outer width
constexpr rt::PropertyDesign kAmbreloValues[] = {{"MinWidth", "5000"}, {"BeepOnMinMax", "False"}};

constexpr rt::ControlDesign kControls[] = {
    {.name = "lblTitle", .kind = ControlKind::Label, .left = 120, .top = 120, .width = 2400, .height = 300,
     .caption = "Scaled"},
    {.name = "cmdOk", .kind = ControlKind::CommandButton, .left = 120, .top = 600, .width = 1200, .height = 400,
     .caption = "OK"},
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 4000, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo", .properties = kAmbreloValues},
};

using test::PumpFor;

// A sink of the form's events behind the control's own: when Unload reaches it, the control has
// had its Unload, and the window is still there to look at.
class UnloadWatch : public IDispatch {
 public:
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }
  IFACEMETHODIMP_(ULONG) Release() override { return 1; }
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    if (id != unloadId) return S_OK;
    PumpFor(800);  // longer than the control's 500 ms re-enabling
    enabledAtUnload = IsWindowEnabled(window) != FALSE;
    ++unloads;
    return S_OK;
  }
  DISPID unloadId = DISPID_UNKNOWN;
  HWND window = nullptr;
  bool enabledAtUnload = true;
  int unloads = 0;
};

class ScaledForm : public rt::Form {
 public:
  ScaledForm() : rt::Form("frmScaled") {}
  int cancelUnloads = 0;

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Scaled";
    s.clientWidth = 6000;
    s.clientHeight = 3000;
    s.startPosition = rt::StartPosition::CenterScreen;
    s.controls = kControls;
    return s;
  }
  void Form_Unload(int& cancel) override {
    if (cancelUnloads > 0) {
      --cancelUnloads;
      cancel = 1;
    }
  }
};

ScaledForm& frmScaled() {
  static ScaledForm form;
  return form;
}

class AmbreloOnRuntimeForm : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::SetQuitting(false);
    frmScaled().Show();
  }
  void TearDown() override {
    frmScaled().cancelUnloads = 0;
    frmScaled().Unload();
    rt::CollectUnloadedForms();
  }
  static int OuterWidth() {
    RECT r;
    GetWindowRect(frmScaled().hWnd(), &r);
    return r.right - r.left;
  }
  // The user's drag, as the window manager makes it.
  static void DragToWidth(int twips) {
    SetWindowPos(frmScaled().hWnd(), nullptr, 0, 0, rt::Screen().TwipsToPixelsX(twips), OuterWidth() / 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

TEST_F(AmbreloOnRuntimeForm, TheControlReadsItsDesignValuesAndFindsTheFormThroughItsExtender) {
  rt::ole::FormModel& model = *frmScaled().ObjectModel();
  IDispatch* extender = model.ObjectOf(*frmScaled().FindControl("Ambrelo1"));
  EXPECT_EQ(test::TypeNameOf(extender), L"Ambrelo");
  EXPECT_EQ(test::TextOf(test::LateGet(extender, L"Name")), L"Ambrelo1");
  EXPECT_EQ(test::NumberOf(test::LateGet(extender, L"MinWidth")), kMinWidth);  // the control's own member
  test::LateCall parent = test::LateGet(extender, L"Parent");
  ASSERT_EQ(V_VT(&parent.value), VT_DISPATCH);
  EXPECT_EQ(V_DISPATCH(&parent.value), model.FormDispatch());
  VariantClear(&parent.value);
}

// Callers cache dispatch ids per class: the extender must give a name of the control the same id
// on every load, whatever names were asked for before.
TEST_F(AmbreloOnRuntimeForm, TheControlsOwnNamesKeepTheirIdsFromLoadToLoad) {
  auto idOf = [](const wchar_t* name) {
    IDispatch* extender = frmScaled().ObjectModel()->ObjectOf(*frmScaled().FindControl("Ambrelo1"));
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    EXPECT_HRESULT_SUCCEEDED(extender->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) << name;
    return id;
  };
  const DISPID scaleFonts = idOf(L"ScaleFonts"), minWidth = idOf(L"MinWidth");
  EXPECT_NE(scaleFonts, minWidth);
  frmScaled().Unload();
  rt::CollectUnloadedForms();
  frmScaled().Show();
  EXPECT_EQ(idOf(L"MinWidth"), minWidth);
  EXPECT_EQ(idOf(L"ScaleFonts"), scaleFonts);
  EXPECT_EQ(test::NumberOf(test::LateGet(frmScaled().ObjectModel()->ObjectOf(*frmScaled().FindControl("Ambrelo1")),
                                         L"MinWidth")),
            kMinWidth);
}

// Resizes before Load are ignored by the control: a clamp shows it had Load, then the Resize,
// and that it read the form's Width and wrote its Width and Enabled by name.
TEST_F(AmbreloOnRuntimeForm, ADragBelowTheMinimumWidthSnapsBackAndTheFormIsDisabledForAMoment) {
  ASSERT_GT(OuterWidth(), rt::Screen().TwipsToPixelsX(kMinWidth));
  DragToWidth(3000);
  EXPECT_EQ(OuterWidth(), rt::Screen().TwipsToPixelsX(kMinWidth));
  EXPECT_FALSE(IsWindowEnabled(frmScaled().hWnd()));
  PumpFor(800);
  EXPECT_TRUE(IsWindowEnabled(frmScaled().hWnd()));
}

// The engine moves the form's real child windows: they follow the form's size, and the design
// size gives every rectangle back exactly, however the form was sized in between.
TEST_F(AmbreloOnRuntimeForm, ResizingTheFormRescalesItsWindowsAndTheDesignSizeGivesThemBack) {
  HWND form = frmScaled().hWnd();
  HWND button = frmScaled().FindControl("cmdOk")->hWnd();
  auto childRect = [&] {
    RECT r;
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  auto resizeClient = [&](int width, int height) {
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(form, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(form, GWL_EXSTYLE)));
    SetWindowPos(form, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(400);  // a deferred pass runs after the last size event
  };
  RECT client;
  GetClientRect(form, &client);
  const RECT design = childRect();
  ASSERT_GT(design.right - design.left, 0);

  resizeClient(client.right * 3 / 2, client.bottom * 3 / 2);
  const RECT wide = childRect();
  EXPECT_NEAR(wide.left, design.left * 3 / 2, 2);
  EXPECT_NEAR(wide.top, design.top * 3 / 2, 2);
  EXPECT_NEAR(wide.right - wide.left, (design.right - design.left) * 3 / 2, 2);
  EXPECT_NEAR(wide.bottom - wide.top, (design.bottom - design.top) * 3 / 2, 2);

  resizeClient(client.right * 5 / 4, client.bottom * 4 / 3);
  resizeClient(client.right, client.bottom);
  const RECT back = childRect();
  EXPECT_EQ(back.left, design.left);
  EXPECT_EQ(back.top, design.top);
  EXPECT_EQ(back.right, design.right);
  EXPECT_EQ(back.bottom, design.bottom);
}

// A cancelled unload does not reach the control, so its timer still gives the form back; an
// unload that goes through reaches it before the window goes, and its timers stop there.
TEST_F(AmbreloOnRuntimeForm, TheControlHearsUnloadOnlyWhenTheFormsHandlerLetsTheFormGo) {
  DragToWidth(3000);
  ASSERT_FALSE(IsWindowEnabled(frmScaled().hWnd()));
  frmScaled().cancelUnloads = 1;
  EXPECT_FALSE(frmScaled().Unload());
  PumpFor(800);
  EXPECT_TRUE(IsWindowEnabled(frmScaled().hWnd()));

  UnloadWatch watch;
  watch.window = frmScaled().hWnd();
  IDispatch* form = frmScaled().ObjectModel()->FormDispatch();
  rt::ComPtr<IConnectionPointContainer> container;
  rt::ComPtr<IConnectionPoint> point;
  rt::ComPtr<IProvideClassInfo2> classInfo;
  IID events{};
  ASSERT_HRESULT_SUCCEEDED(form->QueryInterface(IID_IProvideClassInfo2, classInfo.put_void()));
  ASSERT_HRESULT_SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
  ASSERT_HRESULT_SUCCEEDED(form->QueryInterface(IID_IConnectionPointContainer, container.put_void()));
  ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(events, point.put()));
  DWORD cookie = 0;
  ASSERT_HRESULT_SUCCEEDED(point->Advise(&watch, &cookie));
  watch.unloadId = 3;  // Unload, the form's third event

  DragToWidth(3000);
  ASSERT_FALSE(IsWindowEnabled(frmScaled().hWnd()));
  EXPECT_TRUE(frmScaled().Unload());
  EXPECT_EQ(watch.unloads, 1);
  EXPECT_FALSE(watch.enabledAtUnload);
}


// A frame holding option buttons, the frame's caption in a font the pass scales.
constexpr rt::ControlDesign kFramedControls[] = {
    {.name = "fraChoice", .kind = ControlKind::Frame, .left = 240, .top = 240, .width = 3600, .height = 2040,
     .caption = "Choice of size", .font = {"MS Sans Serif", 10}},
    {.name = "optSmall", .kind = ControlKind::OptionButton, .container = "fraChoice", .left = 240, .top = 360,
     .width = 2400, .height = 360, .caption = "Small", .value = 1},
    {.name = "optLarge", .kind = ControlKind::OptionButton, .container = "fraChoice", .left = 240, .top = 840,
     .width = 2400, .height = 360, .caption = "Large"},
    {.name = "optHuge", .kind = ControlKind::OptionButton, .container = "fraChoice", .left = 240, .top = 1320,
     .width = 2400, .height = 360, .caption = "Huge"},
    {.name = "Ambrelo1", .kind = ControlKind::OleControl, .left = 4200, .top = 120, .width = 480, .height = 480,
     .classId = "AmbreloControl.Ambrelo"},
};

class FramedForm : public rt::Form {
 public:
  FramedForm() : rt::Form("frmFramed") {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Framed";
    s.clientWidth = 4800;
    s.clientHeight = 2700;
    s.startPosition = rt::StartPosition::CenterScreen;
    s.controls = kFramedControls;
    return s;
  }
};

// After a resize pass a frame shows what it now holds: its caption in the new font, its border
// where the frame now ends, its option buttons whole. What the screen shows is compared with the
// frame painted afresh, with and without a gradient, the pass locking the window or not.
TEST(AmbreloFramesAfterAPass, AFrameShowsItsNewSizeWhole) {
  struct Case {
    bool resizeAtOnce, gradient;
    const char* picture;
  } cases[] = {{true, false, "ambrelo-frame-after-resize"},
               {false, false, nullptr},
               {true, true, "ambrelo-frame-after-resize-gradient"},
               {false, true, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "ResizeAtOnce " << c.resizeAtOnce << ", GradientFill " << c.gradient);
    rt::SetQuitting(false);
    FramedForm form;
    form.Show();
    IDispatch* ambrelo = form.ObjectModel()->ObjectOf(*form.FindControl("Ambrelo1"));
    ASSERT_TRUE(ambrelo);
    ASSERT_TRUE(test::LatePut(ambrelo, L"ResizeAtOnce", test::VarBool(c.resizeAtOnce)).ok());
    ASSERT_TRUE(test::LatePut(ambrelo, L"ResizeOnMouseUp", test::VarBool(false)).ok());
    ASSERT_TRUE(test::LatePut(ambrelo, L"GradientFill", test::VarBool(c.gradient)).ok());
    PumpFor(300);
    HWND window = form.hWnd(), frame = form.FindControl("fraChoice")->hWnd();
    RECT before;
    GetWindowRect(frame, &before);
    RECT outer;
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, (outer.right - outer.left) * 7 / 4, (outer.bottom - outer.top) * 7 / 4,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(300);
    RECT after;
    GetWindowRect(frame, &after);
    ASSERT_GT(after.right - after.left, (before.right - before.left) * 3 / 2) << "the pass scaled the frame";

    test::Picture shown = test::CaptureWindow(frame, true);
    if (c.picture) {
      EXPECT_TRUE(test::KeepPicture(test::CaptureWindow(window, true), TARNWICK_ARTIFACT_DIR, c.picture));
    }
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    test::Picture fresh = test::CaptureWindow(frame, true);
    ASSERT_EQ(shown.width, fresh.width);
    ASSERT_EQ(shown.height, fresh.height);
    int stale = 0;
    for (size_t i = 0; i < shown.rgb.size(); i += 3)
      if (shown.rgb[i] != fresh.rgb[i] || shown.rgb[i + 1] != fresh.rgb[i + 1] || shown.rgb[i + 2] != fresh.rgb[i + 2])
        ++stale;
    EXPECT_EQ(stale, 0) << "pixels of the frame that a repaint changes";
    form.Unload();
    rt::CollectUnloadedForms();
  }
}

}  // namespace
