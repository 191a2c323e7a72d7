// The form and its controls as a COM control held by the form reaches them: by name, through
// Automation, with the form's events on its connection point.
#include <gtest/gtest.h>

#include <ocidl.h>
#include <olectl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "automation_client.h"
#include "form.h"
#include "ole/form_model.h"
#include "screen.h"

namespace {

using rt::ControlKind;
using test::LateGet;
using test::LatePut;
using test::NumberOf;
using test::TextOf;
using test::TypeNameOf;

// In table order a container's children come after other controls; the model lists them in
// pre-order all the same.
constexpr rt::ControlDesign kControls[] = {
    {.name = "fraOuter", .kind = ControlKind::Frame, .left = 120, .top = 120, .width = 3000, .height = 2400},
    {.name = "cmdTop", .kind = ControlKind::CommandButton, .left = 3300, .top = 120, .width = 1200, .height = 400,
     .caption = "Top"},
    {.name = "lblInside", .kind = ControlKind::Label, .container = "fraOuter", .left = 120, .top = 240,
     .width = 1200, .height = 300, .caption = "Inside"},
    {.name = "picInner", .kind = ControlKind::PictureBox, .container = "fraOuter", .left = 120, .top = 600,
     .width = 2400, .height = 1400},
    {.name = "cmdArr", .index = 0, .kind = ControlKind::CommandButton, .left = 3300, .top = 600, .width = 1200,
     .height = 400},
    {.name = "txtDeep", .kind = ControlKind::TextBox, .container = "picInner", .left = 60, .top = 60,
     .width = 1800, .height = 315, .caption = "deep"},
    {.name = "cmdArr", .index = 1, .kind = ControlKind::CommandButton, .left = 3300, .top = 1080, .width = 1200,
     .height = 400},
    {.name = "tmrIdle", .kind = ControlKind::Timer, .interval = 1000},
    {.name = "imgMark", .kind = ControlKind::Image, .left = 4600, .top = 120, .width = 480, .height = 480},
};

// Records the form's events as a sink of its connection point.
class EventLog : public IDispatch {
 public:
  explicit EventLog(std::vector<std::string>& log) : log_(log) {}
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
      *ppv = this;
      AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  IFACEMETHODIMP_(ULONG) Release() override { return --refs; }
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    BSTR name = nullptr;
    UINT n = 0;
    source->GetNames(id, &name, 1, &n);
    std::string entry = "sink " + std::string(name, name + SysStringLen(name));
    SysFreeString(name);
    if (params->cArgs == 1) entry += " " + std::to_string(*V_I2REF(&params->rgvarg[0]));
    log_.push_back(entry);
    return S_OK;
  }
  LONG refs = 1;
  ITypeInfo* source = nullptr;

 private:
  std::vector<std::string>& log_;
};

class ModelForm : public rt::Form {
 public:
  ModelForm() : rt::Form("frmModel") {}
  std::vector<std::string> log;
  EventLog sink{log};
  int cancelUnloads = 0;

  IDispatch* Object() { return ObjectModel()->FormDispatch(); }

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.caption = "Model";
    s.clientWidth = 6000;
    s.clientHeight = 3000;
    s.startPosition = rt::StartPosition::CenterScreen;
    s.controls = kControls;
    return s;
  }
  // The sink is advised as a control is, before the form's Load: through the form's class.
  void Form_Load() override {
    rt::ComPtr<IProvideClassInfo2> classInfo;
    rt::ComPtr<IConnectionPointContainer> container;
    rt::ComPtr<IConnectionPoint> point;
    rt::ComPtr<ITypeInfo> coclass;
    IID events{};
    ASSERT_HRESULT_SUCCEEDED(Object()->QueryInterface(IID_IProvideClassInfo2, classInfo.put_void()));
    ASSERT_HRESULT_SUCCEEDED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
    ASSERT_HRESULT_SUCCEEDED(classInfo->GetClassInfo(coclass.put()));
    HREFTYPE ref = 0;
    INT flags = 0;
    ASSERT_HRESULT_SUCCEEDED(coclass->GetImplTypeFlags(1, &flags));
    EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeOfImplType(1, &ref));
    if (sink.source) sink.source->Release();
    ASSERT_HRESULT_SUCCEEDED(coclass->GetRefTypeInfo(ref, &sink.source));
    ASSERT_HRESULT_SUCCEEDED(Object()->QueryInterface(IID_IConnectionPointContainer, container.put_void()));
    ASSERT_HRESULT_SUCCEEDED(container->FindConnectionPoint(events, point.put()));
    DWORD cookie = 0;
    ASSERT_HRESULT_SUCCEEDED(point->Advise(&sink, &cookie));
    log.push_back("Form_Load");
  }
  void Form_Resize() override { log.push_back("Form_Resize"); }
  void Form_Unload(int& cancel) override {
    log.push_back("Form_Unload");
    if (cancelUnloads > 0) {
      --cancelUnloads;
      cancel = 1;
    }
  }
};

ModelForm& frmModel() {
  static ModelForm form;
  return form;
}

class FormObjectModel : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_HRESULT_SUCCEEDED(OleInitialize(nullptr)); }
  static void TearDownTestSuite() { OleUninitialize(); }
  void SetUp() override {
    rt::SetQuitting(false);
    frmModel().Load();
  }
  void TearDown() override {
    frmModel().cancelUnloads = 0;
    frmModel().Unload();
    frmModel().log.clear();
  }
  static IDispatch* Item(IDispatch* collection, LONG i) {
    test::LateCall r = LateGet(collection, L"Item", {test::VarLong(i)});
    return r.ok() && V_VT(&r.value) == VT_DISPATCH ? V_DISPATCH(&r.value) : nullptr;  // held by the model
  }
};

TEST_F(FormObjectModel, ParentControlsHoldsTheFormThenEveryControlEachContainerBeforeWhatItHolds) {
  rt::ComPtr<IDispatch> all = frmModel().ObjectModel()->ParentControls();
  ASSERT_EQ(NumberOf(LateGet(all.get(), L"Count")), 10);
  std::vector<std::wstring> seen;
  for (LONG i = 0; i < 10; ++i) {
    IDispatch* item = Item(all.get(), i);
    ASSERT_TRUE(item);
    seen.push_back(TypeNameOf(item) + L" " + TextOf(LateGet(item, L"Name")));
    item->Release();
  }
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"Form frmModel", L"Frame fraOuter", L"Label lblInside",
                                             L"PictureBox picInner", L"TextBox txtDeep", L"CommandButton cmdTop",
                                             L"CommandButton cmdArr", L"CommandButton cmdArr", L"Timer tmrIdle",
                                             L"Image imgMark"}));
  IDispatch* first = Item(all.get(), 0);
  EXPECT_EQ(first, frmModel().Object());  // one object per form and per control
  first->Release();
  EXPECT_EQ(LateGet(all.get(), L"Item", {test::VarLong(10)}).scode, static_cast<SCODE>(0x800A0009));

  // For Each goes through the same items.
  test::LateCall each = LateGet(all.get(), L"_NewEnum");
  rt::ComPtr<IEnumVARIANT> items;
  ASSERT_HRESULT_SUCCEEDED(V_UNKNOWN(&each.value)->QueryInterface(IID_IEnumVARIANT, items.put_void()));
  VariantClear(&each.value);
  VARIANT got[12];
  ULONG fetched = 0;
  EXPECT_EQ(items->Next(12, got, &fetched), S_FALSE);
  ASSERT_EQ(fetched, 10u);
  EXPECT_EQ(V_DISPATCH(&got[0]), frmModel().Object());
  for (ULONG i = 0; i < fetched; ++i) VariantClear(&got[i]);
}

// Each kind answers the members the platform's control of that kind has; the absent ones fail
// by name, which is how a caller probes for them.
TEST_F(FormObjectModel, EachControlAnswersTheMembersOfItsKindByName) {
  rt::ole::FormModel& model = *frmModel().ObjectModel();
  struct Case {
    const char* control;
    int index;
    const wchar_t* member;
    bool present;
  } cases[] = {
      {"lblInside", -1, L"Caption", true}, {"lblInside", -1, L"hWnd", false}, {"lblInside", -1, L"Font", true},
      {"txtDeep", -1, L"hWnd", true},      {"txtDeep", -1, L"Text", true},    {"tmrIdle", -1, L"Left", false},
      {"tmrIdle", -1, L"Interval", true},  {"cmdTop", -1, L"Index", false},   {"cmdArr", 1, L"Index", true},
      {"picInner", -1, L"Picture", true},  {"fraOuter", -1, L"BorderWidth", false},
  };
  for (const Case& c : cases) {
    IDispatch* object = model.ObjectOf(*frmModel().FindControl(c.control, c.index));
    test::LateCall r = LateGet(object, c.member);
    EXPECT_EQ(r.ok(), c.present) << c.control << " " << std::string(c.member, c.member + wcslen(c.member));
    VariantClear(&r.value);
  }
  IDispatch* deep = model.ObjectOf(*frmModel().FindControl("txtDeep"));
  EXPECT_EQ(NumberOf(LateGet(deep, L"hWnd")),
            static_cast<double>(reinterpret_cast<LONG_PTR>(frmModel().FindControl("txtDeep")->hWnd())));
  EXPECT_EQ(NumberOf(LateGet(model.ObjectOf(*frmModel().FindControl("cmdArr", 1)), L"Index")), 1);
  EXPECT_EQ(LateGet(model.ObjectOf(*frmModel().FindControl("cmdTop")), L"Index").scode,
            static_cast<SCODE>(0x800A0157));  // not an array
  test::LateCall container = LateGet(deep, L"Container");
  ASSERT_EQ(V_VT(&container.value), VT_DISPATCH);
  EXPECT_EQ(TextOf(LateGet(V_DISPATCH(&container.value), L"Name")), L"picInner");
  VariantClear(&container.value);
}

TEST_F(FormObjectModel, WritesReachTheWindowsInTwips) {
  rt::ole::FormModel& model = *frmModel().ObjectModel();
  IDispatch* form = frmModel().Object();
  ASSERT_TRUE(LatePut(form, L"Width", test::VarDouble(7500)).ok());
  RECT r;
  GetWindowRect(frmModel().hWnd(), &r);
  EXPECT_EQ(r.right - r.left, rt::Screen().TwipsToPixelsX(7500));
  EXPECT_DOUBLE_EQ(NumberOf(LateGet(form, L"Width")), rt::Screen().PixelsToTwipsX(r.right - r.left));

  ASSERT_TRUE(LatePut(form, L"Enabled", test::VarBool(false)).ok());
  EXPECT_FALSE(IsWindowEnabled(frmModel().hWnd()));
  EXPECT_EQ(TextOf(LateGet(form, L"Enabled")), L"False");
  EXPECT_EQ(TextOf(LateGet(form, L"MDIChild")), L"False");

  IDispatch* button = model.ObjectOf(*frmModel().FindControl("cmdTop"));
  ASSERT_TRUE(LatePut(button, L"Left", test::VarDouble(4500)).ok());
  EXPECT_EQ(frmModel().FindControl("cmdTop")->Left(), 4500);
  EXPECT_EQ(LatePut(button, L"Width", test::VarDouble(-1)).scode, static_cast<SCODE>(0x800A017C));
  EXPECT_EQ(LatePut(button, L"hWnd", test::VarLong(1)).scode, static_cast<SCODE>(0x800A017F));  // read-only
}

TEST_F(FormObjectModel, ScaleXAndScaleYConvertBetweenScaleModes) {
  IDispatch* form = frmModel().Object();
  double pixel = rt::Screen().TwipsPerPixelX();
  struct Case {
    double value;
    LONG from, to;
    double expected;
  } cases[] = {{1440, 1, 5, 1}, {2540, 8, 1, 1440}, {10, 3, 1, 10 * pixel}, {20, 2, 1, 400}, {1, 7, 6, 10}};
  for (const Case& c : cases) {
    double got = NumberOf(LateGet(form, L"ScaleX", {test::VarDouble(c.value), test::VarLong(c.from), test::VarLong(c.to)}));
    EXPECT_NEAR(got, c.expected, 1e-9) << c.value << " from " << c.from << " to " << c.to;
  }
  // Without the units: from HIMETRIC to the form's own scale (twips here).
  EXPECT_NEAR(NumberOf(LateGet(form, L"ScaleY", {test::VarDouble(2540)})), 1440, 1e-9);
  EXPECT_EQ(LateGet(form, L"ScaleX", {test::VarDouble(1), test::VarLong(42), test::VarLong(1)}).scode,
            static_cast<SCODE>(0x800A0005));
}

TEST_F(FormObjectModel, SinksHearEachEventAfterTheFormsHandlerAndUnloadOnlyWhenItWasNotCancelled) {
  frmModel().Show();
  frmModel().Move(frmModel().Left(), frmModel().Top(), 8000, 5000);
  frmModel().cancelUnloads = 1;
  EXPECT_FALSE(frmModel().Unload());
  EXPECT_TRUE(frmModel().Unload());
  std::vector<std::string> log;
  for (const std::string& e : frmModel().log)
    if (e.find("ctivate") == std::string::npos) log.push_back(e);  // activation depends on the desktop
  // The Move may bring more than one Resize; each comes to the form first, then to the sink.
  for (size_t i = 0; i < log.size(); ++i)
    if (log[i] == "Form_Resize") EXPECT_TRUE(i + 1 < log.size() && log[i + 1] == "sink Resize") << i;
  ASSERT_GE(log.size(), 4u);
  log.erase(std::remove_if(log.begin() + 4, log.end(), [](const std::string& e) { return e.find("Resize") != e.npos; }),
            log.end());
  EXPECT_EQ(log, (std::vector<std::string>{"Form_Load", "sink Load", "Form_Resize", "sink Resize", "Form_Unload",
                                           "Form_Unload", "sink Unload 0"}));
}

TEST_F(FormObjectModel, ObjectsKeptPastTheUnloadFailInsteadOfReachingTheWindow) {
  rt::ComPtr<IDispatch> form(frmModel().Object());
  rt::ComPtr<IDispatch> box(frmModel().ObjectModel()->ObjectOf(*frmModel().FindControl("txtDeep")));
  rt::ComPtr<IDispatch> all = frmModel().ObjectModel()->ParentControls();
  frmModel().Unload();
  EXPECT_EQ(LateGet(form.get(), L"Width").scode, static_cast<SCODE>(0x800A01A8));  // object required
  EXPECT_EQ(LateGet(box.get(), L"Text").scode, static_cast<SCODE>(0x800A01A8));
  EXPECT_EQ(LateGet(all.get(), L"Count").scode, static_cast<SCODE>(0x800A01A8));
}

class CanvasForm : public rt::Form {
 public:
  CanvasForm() : rt::Form("frmCanvas") {}

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.clientWidth = 3600;
    s.clientHeight = 1800;
    s.autoRedraw = true;
    s.scaleMode = rt::ScaleMode::Pixels;
    s.backColor = 0xFFFFFF;
    return s;
  }
};

CanvasForm& frmCanvas() {
  static CanvasForm form;
  return form;
}

rt::ComPtr<IDispatch> SolidPicture(COLORREF color) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all{0, 0, 8, 8};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  PICTDESC desc{sizeof desc, PICTYPE_BITMAP};
  desc.bmp.hbitmap = bitmap;
  rt::ComPtr<IDispatch> picture;
  OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.put_void());
  return picture;
}

TEST_F(FormObjectModel, DrawingMembersPaintTheFormsPersistentImage) {
  frmCanvas().Load();
  IDispatch* canvas = frmCanvas().ObjectModel()->FormDispatch();
  constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0), kYellow = RGB(255, 255, 0);
  using test::VarDouble;
  using test::VarLong;
  EXPECT_TRUE(test::LateInvoke(canvas, L"Line", DISPATCH_METHOD,
                               {VarDouble(10), VarDouble(10), VarDouble(50), VarDouble(10), VarLong(kRed)}).ok());
  EXPECT_TRUE(test::LateInvoke(canvas, L"Line", DISPATCH_METHOD,
                               {VarDouble(60), VarDouble(20), VarDouble(80), VarDouble(40), VarLong(kBlue), VarLong(2)})
                  .ok());
  ASSERT_TRUE(LatePut(canvas, L"FillStyle", VarLong(0)).ok());
  ASSERT_TRUE(LatePut(canvas, L"FillColor", VarLong(kGreen)).ok());
  EXPECT_TRUE(test::LateInvoke(canvas, L"Circle", DISPATCH_METHOD, {VarDouble(120), VarDouble(60), VarDouble(20)}).ok());
  rt::ComPtr<IDispatch> yellow = SolidPicture(kYellow);
  VARIANT picture;
  V_VT(&picture) = VT_DISPATCH;
  V_DISPATCH(&picture) = yellow.get();
  yellow.get()->AddRef();
  EXPECT_TRUE(test::LateInvoke(canvas, L"PaintPicture", DISPATCH_METHOD,
                               {picture, VarDouble(150), VarDouble(10), VarDouble(16), VarDouble(16)})
                  .ok());
  HDC image = frmCanvas().hDC();
  EXPECT_EQ(GetPixel(image, 30, 10), kRed);
  EXPECT_EQ(GetPixel(image, 50, 10), kRed) << "a line includes its end point";
  EXPECT_EQ(GetPixel(image, 70, 30), kBlue);
  EXPECT_EQ(GetPixel(image, 120, 60), kGreen);
  EXPECT_EQ(GetPixel(image, 165, 25), kYellow) << "stretched to 16 by 16";
  EXPECT_EQ(GetPixel(image, 167, 27), RGB(255, 255, 255));
  EXPECT_EQ(LatePut(canvas, L"DrawWidth", VarLong(0)).scode, static_cast<SCODE>(0x800A017C));

  // Persistent drawing off and on again: what was drawn stays until Cls.
  ASSERT_TRUE(LatePut(canvas, L"AutoRedraw", test::VarBool(false)).ok());
  EXPECT_EQ(TextOf(LateGet(canvas, L"AutoRedraw")), L"False");
  ASSERT_TRUE(LatePut(canvas, L"AutoRedraw", test::VarBool(true)).ok());
  EXPECT_EQ(GetPixel(frmCanvas().hDC(), 70, 30), kBlue);
  EXPECT_TRUE(test::LateInvoke(canvas, L"Cls", DISPATCH_METHOD).ok());
  EXPECT_EQ(GetPixel(frmCanvas().hDC(), 70, 30), RGB(255, 255, 255));
  frmCanvas().Unload();
}

HBITMAP BitmapOf(IDispatch* picture) {
  rt::ComPtr<IPicture> p;
  OLE_HANDLE handle = 0;
  if (!picture || FAILED(picture->QueryInterface(IID_IPicture, p.put_void())) || FAILED(p->get_Handle(&handle)))
    return nullptr;
  return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

// A picture goes in and comes out as a copy, so neither side's picture changes under the other.
TEST_F(FormObjectModel, PicturesGoInAndComeOutAsCopies) {
  rt::ComPtr<IDispatch> yellow = SolidPicture(RGB(255, 255, 0));
  auto put = [](IDispatch* object, IDispatch* picture) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = picture;
    if (picture) picture->AddRef();
    return LatePut(object, L"Picture", v);
  };
  IDispatch* form = frmModel().Object();
  ASSERT_TRUE(put(form, yellow.get()).ok());
  ASSERT_TRUE(frmModel().Picture());
  EXPECT_NE(frmModel().Picture(), BitmapOf(yellow.get()));
  test::LateCall back = LateGet(form, L"Picture");
  ASSERT_EQ(V_VT(&back.value), VT_DISPATCH);
  EXPECT_TRUE(BitmapOf(V_DISPATCH(&back.value)));
  EXPECT_NE(BitmapOf(V_DISPATCH(&back.value)), frmModel().Picture());
  VariantClear(&back.value);
  ASSERT_TRUE(put(form, nullptr).ok());
  EXPECT_FALSE(frmModel().Picture());

  rt::ole::FormModel& model = *frmModel().ObjectModel();
  auto& image = frmModel().Ctl<rt::Image>("imgMark");
  ASSERT_TRUE(put(model.ObjectOf(image), yellow.get()).ok());
  EXPECT_EQ(GetObjectType(image.Picture()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_NE(image.Picture(), static_cast<HANDLE>(BitmapOf(yellow.get())));
  EXPECT_EQ(put(model.ObjectOf(*frmModel().FindControl("picInner")), yellow.get()).scode,
            static_cast<SCODE>(0x800A017F));
  EXPECT_EQ(LatePut(form, L"Picture", test::VarLong(5)).scode, static_cast<SCODE>(0x800A000D));
}

}  // namespace
