// The host form reached through IDispatch, against a form object of the test's own, and the
// lifecycle driving it with the real lock, regions and timers of the system.
#include "dispatch_host_form.h"
#include "dispatch_object.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "com_fakes.h"
#include "control_fixture.h"
#include "automation_error.h"
#include "form_lifecycle.h"
#include "os/scripted_message_boxes.h"
#include "stack_garbage.h"
#include "win32_lifecycle_platform.h"

namespace amb {
namespace {

using ambtest::FakeCom;

// A type description that carries only a name (and a class GUID when given), which is all the
// kind test and the per-class caches read.
rt::ComPtr<ITypeInfo> NamedTypeInfo(const wchar_t* name, const GUID* guid = nullptr) {
  rt::ComPtr<ICreateTypeLib2> lib;
  rt::ComPtr<ICreateTypeInfo> created;
  rt::ComPtr<ITypeInfo> info;
  if (FAILED(CreateTypeLib2(SYS_WIN32, L"host.tlb", lib.put())) ||
      FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_DISPATCH, created.put())) ||
      (guid && FAILED(created->SetGuid(*guid))) ||
      FAILED(created->LayOut()) || FAILED(created->QueryInterface(IID_ITypeInfo, info.put_void())))
    return {};
  return info;
}

// The class of a form whose default source interface carries Load, Resize and Unload.
constexpr IID kFormEvents = {0x5E1F0C2A, 0x7B3D, 0x4C55, {0x9A, 0x61, 0x2D, 0x40, 0x8E, 0x13, 0x77, 0x05}};
constexpr DISPID kLoad = 11, kResize = 12, kUnload = 13;

rt::ComPtr<ITypeInfo> FormClassInfo() {
  rt::ComPtr<ICreateTypeLib2> lib;
  rt::ComPtr<ICreateTypeInfo> events, coclass;
  rt::ComPtr<ITypeInfo> eventsInfo, classInfo;
  if (FAILED(CreateTypeLib2(SYS_WIN32, L"form.tlb", lib.put())) ||
      FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"FormEvents"), TKIND_DISPATCH, events.put())) ||
      FAILED(events->SetGuid(kFormEvents)))
    return {};
  const wchar_t* names[] = {L"Load", L"Resize", L"Unload"};
  for (UINT i = 0; i < 3; ++i) {
    FUNCDESC f{};
    f.memid = kLoad + static_cast<DISPID>(i);
    f.funckind = FUNC_DISPATCH;
    f.invkind = INVOKE_FUNC;
    f.callconv = CC_STDCALL;
    f.elemdescFunc.tdesc.vt = VT_VOID;
    LPOLESTR name = const_cast<LPOLESTR>(names[i]);
    if (FAILED(events->AddFuncDesc(i, &f)) || FAILED(events->SetFuncAndParamNames(i, &name, 1))) return {};
  }
  HREFTYPE ref = 0;
  if (FAILED(events->LayOut()) || FAILED(events->QueryInterface(IID_ITypeInfo, eventsInfo.put_void())) ||
      FAILED(lib->CreateTypeInfo(const_cast<LPOLESTR>(L"Form"), TKIND_COCLASS, coclass.put())) ||
      FAILED(coclass->AddRefTypeInfo(eventsInfo.get(), &ref)) || FAILED(coclass->AddImplType(0, ref)) ||
      FAILED(coclass->SetImplTypeFlags(0, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) ||
      FAILED(coclass->LayOut()) || FAILED(coclass->QueryInterface(IID_ITypeInfo, classInfo.put_void())))
    return {};
  return classInfo;
}

HRESULT STDAPICALLTYPE FillInLater(EXCEPINFO* e) {
  e->bstrDescription = SysAllocString(L"Invalid property value");
  e->scode = static_cast<SCODE>(0x800A017C);  // error 380
  return S_OK;
}

// Members by name (DISPID = position + 1): properties read and written, ScaleX/ScaleY converting
// from pixels (mode 3) to twips, Double(x) doubling its by-reference argument, Fail raising (its
// details filled in on demand with FailLater, without a description with FailBare, as a returned
// HRESULT with FailDirect, as the dispatch errors of a refused argument with FailOverflow and
// FailMismatch).
class FormObject : public FakeCom<IDispatch, IProvideClassInfo2, IConnectionPointContainer, IConnectionPoint> {
 public:
  explicit FormObject(const wchar_t* typeName) : typeInfo(typeName ? NamedTypeInfo(typeName) : rt::ComPtr<ITypeInfo>()) {}
  ~FormObject() override {
    for (auto& [name, v] : values) VariantClear(&v);
  }
  std::vector<std::wstring> names = {L"Width", L"Height", L"Left", L"Top", L"WindowState", L"hWnd", L"Enabled",
                                     L"MDIChild", L"ScaleWidth", L"ScaleHeight", L"ScaleMode", L"Caption",
                                     L"ScaleX", L"ScaleY", L"Double", L"Fail", L"FailLater", L"FailBare",
                                     L"FailDirect", L"FailOverflow", L"FailMismatch"};
  std::map<std::wstring, VARIANT> values;
  rt::ComPtr<ITypeInfo> typeInfo;
  int lookups = 0;
  std::function<void()> onResize;
  rt::ComPtr<ITypeInfo> classInfo;  // set: the form offers its events
  rt::ComPtr<IDispatch> sink;

  // Raises an event as the form runtime does, after the form's own handler.
  void Raise(DISPID id, short* cancel = nullptr) {
    if (!sink) return;
    VARIANT arg;
    V_VT(&arg) = VT_I2 | VT_BYREF;
    V_I2REF(&arg) = cancel;
    DISPPARAMS params{&arg, nullptr, cancel ? 1u : 0u, 0};
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
  // IProvideClassInfo2
  IFACEMETHODIMP GetClassInfo(ITypeInfo** out) override {
    *out = classInfo.get();
    if (!*out) return E_NOTIMPL;
    (*out)->AddRef();
    return S_OK;
  }
  IFACEMETHODIMP GetGUID(DWORD kind, GUID* guid) override {
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID || !classInfo) return E_INVALIDARG;
    *guid = kFormEvents;
    return S_OK;
  }
  // IConnectionPointContainer: the one point of the form's events
  IFACEMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  IFACEMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override {
    *point = nullptr;
    if (!IsEqualIID(riid, kFormEvents)) return CONNECT_E_NOCONNECTION;
    *point = this;
    AddRef();
    return S_OK;
  }
  // IConnectionPoint
  IFACEMETHODIMP GetConnectionInterface(IID* iid) override { return *iid = kFormEvents, S_OK; }
  IFACEMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** c) override {
    *c = this;
    AddRef();
    return S_OK;
  }
  IFACEMETHODIMP Advise(IUnknown* unknown, DWORD* cookie) override {
    if (sink) return CONNECT_E_ADVISELIMIT;
    if (FAILED(unknown->QueryInterface(IID_IDispatch, sink.put_void()))) return CONNECT_E_CANNOTCONNECT;
    *cookie = 1;
    return S_OK;
  }
  IFACEMETHODIMP Unadvise(DWORD cookie) override {
    if (cookie != 1 || !sink) return CONNECT_E_NOCONNECTION;
    sink.reset();
    return S_OK;
  }
  IFACEMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }

  void Set(const std::wstring& name, VARTYPE type, double value) {
    VARIANT v;
    V_VT(&v) = VT_R8;
    V_R8(&v) = value;
    VariantChangeType(&v, &v, 0, type);
    VariantClear(&values[name]);
    values[name] = v;
  }
  double Number(const std::wstring& name) {
    VARIANT v;
    VariantInit(&v);
    VariantChangeType(&v, &values[name], 0, VT_R8);
    return V_R8(&v);
  }

  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = typeInfo ? 1 : 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    *out = typeInfo.get();
    if (!*out) return E_NOTIMPL;
    (*out)->AddRef();
    return S_OK;
  }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* asked, UINT, LCID, DISPID* ids) override {
    ++lookups;
    for (size_t i = 0; i < names.size(); ++i)
      if (_wcsicmp(names[i].c_str(), asked[0]) == 0) return *ids = static_cast<DISPID>(i + 1), S_OK;
    return *ids = DISPID_UNKNOWN, DISP_E_UNKNOWNNAME;
  }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                        UINT*) override {
    if (id < 1 || static_cast<size_t>(id) > names.size()) return DISP_E_MEMBERNOTFOUND;
    const std::wstring& name = names[id - 1];
    if (name == L"Fail") {
      info->bstrDescription = SysAllocString(L"Invalid property value");
      info->scode = static_cast<SCODE>(0x800A017C);  // error 380
      return DISP_E_EXCEPTION;
    }
    if (name == L"FailLater") {
      info->pfnDeferredFillIn = &FillInLater;
      return DISP_E_EXCEPTION;
    }
    if (name == L"FailBare") {
      info->scode = static_cast<SCODE>(0x800A0006);  // error 6
      return DISP_E_EXCEPTION;
    }
    if (name == L"FailDirect") return static_cast<HRESULT>(0x800A01A8);  // error 424
    if (name == L"FailOverflow") return DISP_E_OVERFLOW;
    if (name == L"FailMismatch") return DISP_E_TYPEMISMATCH;
    if (name == L"ScaleX" || name == L"ScaleY") {
      if (!(flags & DISPATCH_METHOD) || params->cArgs != 3 || !result) return DISP_E_BADPARAMCOUNT;
      VARIANT size, mode;
      VariantInit(&size);
      VariantInit(&mode);
      VariantChangeType(&size, &params->rgvarg[2], 0, VT_R4);
      VariantChangeType(&mode, &params->rgvarg[1], 0, VT_I4);
      V_VT(result) = VT_R4;
      V_R4(result) = V_R4(&size) * (V_I4(&mode) == 3 ? 15 : 1);
      return S_OK;
    }
    if (name == L"Double") {
      if (params->cArgs != 1 || V_VT(&params->rgvarg[0]) != (VT_VARIANT | VT_BYREF)) return DISP_E_TYPEMISMATCH;
      VARIANT* arg = V_VARIANTREF(&params->rgvarg[0]);
      VariantChangeType(arg, arg, 0, VT_I4);
      V_I4(arg) *= 2;
      return S_OK;
    }
    if (flags & DISPATCH_PROPERTYPUT) {
      if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) return DISP_E_PARAMNOTOPTIONAL;
      VariantClear(&values[name]);
      VariantCopy(&values[name], &params->rgvarg[0]);
      if ((name == L"Width" || name == L"Height") && onResize) onResize();
      return S_OK;
    }
    auto it = values.find(name);
    if (it == values.end()) return DISP_E_MEMBERNOTFOUND;
    return VariantCopy(result, &it->second);
  }
};

TEST(DispatchHostForm, ReadsWritesAndCallsByNameLookingEachNameUpOnce) {
  FormObject object(L"Form");
  object.Set(L"Width", VT_R4, 6000);
  object.Set(L"WindowState", VT_I2, 2);
  object.Set(L"Enabled", VT_BOOL, -1);
  VARIANT caption;
  V_VT(&caption) = VT_BSTR;
  V_BSTR(&caption) = SysAllocString(L"Main Form");
  object.values[L"Caption"] = caption;
  DispatchHostForm form{rt::ComPtr<IDispatch>(&object)};

  BagValue v;
  ASSERT_TRUE(form.Get("Width", v));
  EXPECT_EQ(v, BagValue(6000.0f));
  ASSERT_TRUE(form.Get("WindowState", v));
  EXPECT_EQ(v, BagValue(int16_t{2}));
  ASSERT_TRUE(form.Get("Enabled", v));
  EXPECT_EQ(v, BagValue(true));
  ASSERT_TRUE(form.Get("Caption", v));
  EXPECT_EQ(v, BagValue(std::string("Main Form")));

  ASSERT_TRUE(form.Let("Width", 5000.0f));
  EXPECT_EQ(object.Number(L"Width"), 5000);
  ASSERT_TRUE(form.Let("Enabled", false));
  EXPECT_EQ(V_VT(&object.values[L"Enabled"]), VT_BOOL);
  EXPECT_EQ(V_BOOL(&object.values[L"Enabled"]), VARIANT_FALSE);

  std::vector<BagValue> args = {int32_t{21}};
  ASSERT_TRUE(form.Call("Double", args, nullptr));
  EXPECT_EQ(args[0], BagValue(int32_t{42})) << "by-reference arguments come back";
  std::vector<BagValue> convert = {400.0f, int16_t{3}, int16_t{1}};
  BagValue converted;
  ASSERT_TRUE(form.Call("ScaleX", convert, &converted));
  EXPECT_EQ(converted, BagValue(6000.0f));

  int lookups = object.lookups;
  for (int i = 0; i < 3; ++i) form.Get("Width", v), form.Let("Width", 1.0f);
  EXPECT_EQ(object.lookups, lookups) << "dispatch ids are cached";

  HostStatus missing = form.Get("AllowUpdates", v);
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.description, "Object doesn't support this property or method");
  std::vector<BagValue> none;
  HostStatus raised = form.Call("Fail", none, nullptr);
  EXPECT_EQ(raised.description, "Invalid property value") << "the object's own description";
  EXPECT_EQ(raised.number, 380) << "and its own number";
  EXPECT_EQ(RaiseHostError(raised), static_cast<HRESULT>(0x800A017C)) << "passed on as it came";
  EXPECT_EQ(RaiseHostError(missing), static_cast<HRESULT>(0x800A03EC)) << "no number of its own: 1004";
  EXPECT_EQ(object.refs, 2) << "the host form holds one reference";
}

// However a host gives its error, its number is kept, with a text a person can read.
TEST(DispatchHostForm, AHostErrorKeepsItsNumberHoweverItComes) {
  struct Case {
    const char* member;
    int32_t number;
    const char* description;
  } cases[] = {
      {"FailLater", 380, "Invalid property value"},
      {"FailBare", 6, "Overflow"},
      {"FailDirect", 424, "Object required"},
      {"FailOverflow", 6, "Overflow"},
      {"FailMismatch", 13, "Type mismatch"},
  };
  FormObject object(L"Form");
  DispatchHostForm form{rt::ComPtr<IDispatch>(&object)};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.member);
    std::vector<BagValue> none;
    HostStatus raised = form.Call(c.member, none, nullptr);
    EXPECT_FALSE(raised);
    EXPECT_EQ(raised.number, c.number);
    EXPECT_EQ(raised.description, c.description);
  }
}

TEST(DispatchHostForm, KindComesFromTheObjectsTypeName) {
  struct Case {
    const wchar_t* typeName;
    bool form, mdiParent;
  };
  for (Case c : {Case{L"Form", true, false}, Case{L"MDIForm", false, true}, Case{L"PictureBox", false, false},
                 Case{nullptr, false, false}}) {
    FormObject object(c.typeName);
    if (c.typeName) {
      ASSERT_TRUE(object.typeInfo) << "the test's type description";
    }
    DispatchHostForm form{rt::ComPtr<IDispatch>(&object)};
    EXPECT_EQ(form.IsForm(), c.form) << (c.typeName ? c.typeName : L"(none)");
    EXPECT_EQ(form.IsMdiParent(), c.mdiParent);
  }
}

TEST(DispatchHostControls, CallsTheMemberOnEveryItemThatHasIt) {
  FormObject first(L"Form"), second(nullptr);
  second.names = {L"Name"};
  ambtest::PropertyDispatch collection;
  collection.Set(L"Count", 2);
  collection.items = {&first, &second};
  DispatchHostControls controls{rt::ComPtr<IDispatch>(&collection)};
  ASSERT_EQ(controls.Count(), 2u);
  std::vector<BagValue> args = {int32_t{4}};
  EXPECT_TRUE(controls.CallOnItem(0, "Double", args));
  EXPECT_EQ(args[0], BagValue(int32_t{8}));
  EXPECT_FALSE(controls.CallOnItem(1, "Double", args));
  EXPECT_FALSE(controls.CallOnItem(2, "Double", args));
  EXPECT_EQ(first.refs, 1);
  EXPECT_EQ(second.refs, 1);
}

// A collection without Count, and no collection at all, hold nothing; neither road clears a value
// it never set, whatever the stack holds.
TEST(DispatchHostControls, MissingCountOrCollectionIsEmpty) {
  ambtest::StackGarbage garbage;
  ASSERT_TRUE(garbage.Ready());
  ambtest::PropertyDispatch withoutCount;
  DispatchHostControls uncounted{rt::ComPtr<IDispatch>(&withoutCount)}, none{nullptr};
  size_t n = 1;
  EXPECT_EQ(garbage.ReleasesDuring([&] { n = uncounted.Count(); }), 0);
  EXPECT_EQ(n, 0u);
  std::vector<BagValue> args;
  HostStatus called;
  EXPECT_EQ(garbage.ReleasesDuring([&] { called = none.CallOnItem(0, "Move", args); }), 0);
  EXPECT_FALSE(called);
}

// Controls and their parts reached by the resize engine: values of every kind, objects inside
// objects, collections with only a default member, and absent members asked for once per class.
TEST(DispatchObject, MembersObjectsAndAbsentAnswersPerClass) {
  constexpr GUID kPictureBoxClass = {0x3A8C1E55, 0x0B4D, 0x4F2E, {0x91, 0x7C, 0x5E, 0x22, 0x0D, 0x6B, 0x48, 0x13}};
  FormObject first(L"PictureBox"), second(L"PictureBox"), font(L"Font");
  first.typeInfo = second.typeInfo = NamedTypeInfo(L"PictureBox", &kPictureBoxClass);  // two of one class
  first.Set(L"Width", VT_R4, 1200);
  first.Set(L"Enabled", VT_BOOL, -1);
  VARIANT nested;
  V_VT(&nested) = VT_DISPATCH;
  V_DISPATCH(&nested) = &font;
  font.AddRef();
  first.values[L"Caption"] = nested;
  {
    HostObjectPtr a = WrapDispatch(&first), b = WrapDispatch(&second);
    EXPECT_EQ(a->TypeName(), "PictureBox");
    EXPECT_FALSE(a->IsForm());
    double width = 0;
    ASSERT_TRUE(GetNumber(*a, "Width", width));
    EXPECT_EQ(width, 1200);
    HostValue enabled;
    ASSERT_TRUE(a->Get("Enabled", enabled));
    EXPECT_EQ(enabled, HostValue(true));
    HostObjectPtr inner;
    ASSERT_TRUE(GetObjectOf(*a, "Caption", inner));
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->TypeName(), "Font");
    EXPECT_EQ(inner->Identity(), WrapDispatch(&font)->Identity()) << "one object, one identity";

    ASSERT_TRUE(a->Let("Width", 900.0));
    EXPECT_EQ(first.Number(L"Width"), 900);
    int lookups = first.lookups + second.lookups;
    EXPECT_FALSE(Readable(*a, "DayFont"));
    EXPECT_FALSE(Readable(*a, "DayFont"));
    EXPECT_FALSE(Readable(*b, "DayFont"));
    EXPECT_EQ(first.lookups + second.lookups, lookups + 1) << "an absent member is asked for once per class";

    ambtest::PropertyDispatch collection;
    collection.Set(L"Count", 2);
    collection.items = {&first, &second};
    HostObjectPtr list = WrapDispatch(&collection);
    int32_t count = 0;
    HostObjectPtr item;
    ASSERT_TRUE(CountOf(*list, count));
    EXPECT_EQ(count, 2);
    ASSERT_TRUE(ItemOf(*list, 1, item)) << "a collection with only a default member";
    EXPECT_EQ(item->Identity(), b->Identity());
  }
  EXPECT_EQ(first.refs, 1);
  EXPECT_EQ(second.refs, 1);
}

// The whole road on the system: a real window stands behind the form object's hWnd.
class LifecycleOnWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW, 100, 100, 400, 300, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    object.Set(L"hWnd", VT_I4, static_cast<double>(reinterpret_cast<intptr_t>(window)));
    object.Set(L"Width", VT_R4, 6000);
    object.Set(L"Height", VT_R4, 4500);
    object.Set(L"Left", VT_R4, 1500);
    object.Set(L"Top", VT_R4, 1500);
    object.Set(L"WindowState", VT_I2, 0);
    object.Set(L"Enabled", VT_BOOL, -1);
    object.Set(L"MDIChild", VT_BOOL, 0);
    object.Set(L"ScaleWidth", VT_R4, 5880);
    object.Set(L"ScaleHeight", VT_R4, 4100);
    object.Set(L"ScaleMode", VT_I2, 1);
    object.onResize = [this] { lifecycle.OnHostResize(); };
    settings.minWidth = 5000;
    settings.resizeOnMouseUp = false;
  }
  void TearDown() override {
    if (window) DestroyWindow(window);
  }
  // Pumps messages until done() or about two seconds have passed.
  bool PumpUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 200 && !done(); ++i) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(10);
    }
    return done();
  }

  HWND window = nullptr;
  FormObject object{L"Form"};
  AmbreloSettings settings;
  Win32LifecyclePlatform platform{[this](LifecycleTimer t) { lifecycle.OnTimer(t); }};
  PendingScalingWork work;
  FormLifecycle lifecycle{settings, platform, work};
};

TEST_F(LifecycleOnWindow, OpensClampsAndReEnablesThroughTheMessageOnlyTimerWindow) {
  settings.formOpen = 2;
  auto host = std::make_shared<DispatchHostForm>(rt::ComPtr<IDispatch>(&object));
  ASSERT_TRUE(lifecycle.HookHostForm(*host, host, nullptr));
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(window, probe), ERROR) << "hidden behind the empty region";
  lifecycle.OnLoad();
  lifecycle.OnHostResize();
  EXPECT_EQ(GetWindowRgn(window, probe), ERROR) << "the form shows whole once opened";
  DeleteObject(probe);
  EXPECT_FALSE(lifecycle.HoldsLock());
  EXPECT_GT(lifecycle.NormalPlacement().width, 0) << "seeded from the window's normal placement";

  object.Set(L"Width", VT_R4, 4000);
  lifecycle.OnHostResize();
  EXPECT_EQ(object.Number(L"Width"), 5000);
  EXPECT_EQ(V_BOOL(&object.values[L"Enabled"]), VARIANT_FALSE);
  EXPECT_TRUE(PumpUntil([&] { return V_BOOL(&object.values[L"Enabled"]) != VARIANT_FALSE; }))
      << "the 500 ms timer gives the form back";
  EXPECT_TRUE(PumpUntil([&] { return lifecycle.NormalPlacement().width == 5000; }))
      << "the normal placement follows the form";
}

// A first-time setup that fails on a form without MDIChild ends in the library's own box.
TEST_F(LifecycleOnWindow, TrappedErrorBoxIsCaptionedWithTheLibrarysTitle) {
  os::ScriptedMessageBoxes boxes;
  os::Install<os::MessageBoxes> install(&boxes);
  auto host = std::make_shared<DispatchHostForm>(rt::ComPtr<IDispatch>(&object));
  ASSERT_TRUE(lifecycle.HookHostForm(*host, host, nullptr));
  VariantClear(&object.values[L"MDIChild"]);
  object.values.erase(L"MDIChild");
  lifecycle.OnLoad();
  lifecycle.OnHostResize();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].title, "Ambrelo");
  EXPECT_EQ(boxes.shown[0].text, "Ambrelo Trapped Error = Object doesn't support this property or method");
}

TEST_F(LifecycleOnWindow, LockIsTakenForTheSetupAndNeverStolen) {
  auto host = std::make_shared<DispatchHostForm>(rt::ComPtr<IDispatch>(&object));
  ASSERT_TRUE(lifecycle.HookHostForm(*host, host, nullptr));
  lifecycle.OnLoad();
  lifecycle.LockUpdates(true);
  EXPECT_TRUE(lifecycle.HoldsLock());
  EXPECT_FALSE(LockWindowUpdate(GetDesktopWindow())) << "the one system-wide lock is taken";
  lifecycle.LockUpdates(false);
  EXPECT_FALSE(lifecycle.HoldsLock());

  ASSERT_TRUE(LockWindowUpdate(GetDesktopWindow())) << "someone else locks";
  lifecycle.LockUpdates(true);
  EXPECT_FALSE(lifecycle.HoldsLock());
  lifecycle.OnUnload(false);
  EXPECT_FALSE(LockWindowUpdate(window)) << "their lock is still theirs";
  LockWindowUpdate(nullptr);
}

// The registered control on a site whose extender's Parent is the form object: the control binds
// the form when its properties are read, follows the form's events and reads and writes the form
// through its members.
TEST_F(LifecycleOnWindow, RegisteredControlFollowsTheFormsEventsThroughItsConnectionPoint) {
  object.classInfo = FormClassInfo();
  ASSERT_TRUE(object.classInfo) << "the test's form class";
  object.names.push_back(L"Name");
  VARIANT name;
  V_VT(&name) = VT_BSTR;
  V_BSTR(&name) = SysAllocString(L"frmHost");
  object.values[L"Name"] = name;
  ambtest::PropertyDispatch controls, extender;
  controls.Set(L"Count", 1);
  controls.items = {&object};
  VARIANT parent;
  V_VT(&parent) = VT_DISPATCH;
  V_DISPATCH(&parent) = &object;
  object.AddRef();
  extender.properties[L"Parent"] = parent;
  ambtest::FakeSite site;
  site.parentControls = &controls;
  site.extender = &extender;
  ambtest::FakePropertyBag bag;
  bag.Put(L"MinWidth", ambtest::I4(5000));
  bag.Put(L"ResizeOnMouseUp", ambtest::Bool(false));
  {
    rt::ComPtr<IDispatch> control = ambtest::CreateControl();
    ASSERT_TRUE(control);
    rt::ComPtr<IOleObject> ole;
    control.As(ole);
    ole->SetClientSite(&site);
    rt::ComPtr<IConnectionPointContainer> points;
    rt::ComPtr<IConnectionPoint> events;
    ambtest::EventSink sink;
    DWORD cookie = 0;
    control.As(points);
    ASSERT_HRESULT_SUCCEEDED(points->FindConnectionPoint(DIID___Ambrelo, events.put()));
    ASSERT_HRESULT_SUCCEEDED(events->Advise(static_cast<IDispatch*>(&sink), &cookie));
    rt::ComPtr<IPersistPropertyBag> persist;
    control.As(persist);
    ASSERT_HRESULT_SUCCEEDED(persist->Load(&bag, nullptr));
    ASSERT_TRUE(object.sink) << "the control listens to the form";

    object.Set(L"Width", VT_R4, 4000);
    object.Raise(kResize);
    EXPECT_EQ(object.Number(L"Width"), 4000) << "a resize before Load is ignored";
    object.Raise(kLoad);
    object.Raise(kResize);
    EXPECT_EQ(object.Number(L"Width"), 5000) << "clamped through the form's own members";
    EXPECT_EQ(V_BOOL(&object.values[L"Enabled"]), VARIANT_FALSE);
    EXPECT_THAT(sink.fired, ::testing::ElementsAre(1, 2)) << "the engine's pass at an unchanged size";
    events->Unadvise(cookie);

    short cancel = -1;
    object.Raise(kUnload, &cancel);
    EXPECT_TRUE(PumpUntil([&] { return V_BOOL(&object.values[L"Enabled"]) != VARIANT_FALSE; }))
        << "a cancelled unload leaves the control following the form";
    object.Set(L"Width", VT_R4, 4000);
    object.Raise(kResize);
    cancel = 0;
    object.Raise(kUnload, &cancel);
    EXPECT_FALSE(PumpUntil([&] { return V_BOOL(&object.values[L"Enabled"]) != VARIANT_FALSE; }))
        << "after the unload no timer of the control runs";
    ole->Close(OLECLOSE_NOSAVE);
    EXPECT_FALSE(object.sink) << "a closed control leaves the form's events";
    ole->SetClientSite(nullptr);
  }
  EXPECT_EQ(site.refs, 1);
  EXPECT_EQ(controls.refs, 1);
}

}  // namespace
}  // namespace amb
