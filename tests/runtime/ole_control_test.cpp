// A COM control on a runtime form, played by a control of the test registered for the run: the
// order in which it is given its site and its design values, the ambient mode it reads, its events
// reaching the form's handler by name, and its close at the unload.
#include <gtest/gtest.h>

#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "form.h"
#include "ole/form_model.h"

namespace {

// {3C5B7E0A-51D2-4F8B-9C6E-2A7D1F40B913}
constexpr CLSID kFakeClass = {0x3C5B7E0A, 0x51D2, 0x4F8B, {0x9C, 0x6E, 0x2A, 0x7D, 0x1F, 0x40, 0xB9, 0x13}};

// The control: it names the form's own event interface as its default source, which gives its
// events names without a type library of its own.
IDispatch* HostFormObject();

// The control's one connection point.
class FakePoint : public IConnectionPoint {
 public:
  IDispatch* sink = nullptr;
  std::vector<std::string>* calls = nullptr;
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint) ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }
  IFACEMETHODIMP_(ULONG) Release() override { return 1; }
  IFACEMETHODIMP GetConnectionInterface(IID*) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetConnectionPointContainer(IConnectionPointContainer**) override { return E_NOTIMPL; }
  IFACEMETHODIMP Advise(IUnknown* s, DWORD* cookie) override {
    if (FAILED(s->QueryInterface(rt::ole::DIID_FormEvents, reinterpret_cast<void**>(&sink)))) return E_NOINTERFACE;
    *cookie = 1;
    return S_OK;
  }
  IFACEMETHODIMP Unadvise(DWORD) override {
    if (sink) sink->Release();
    sink = nullptr;
    calls->push_back("Unadvise");
    return S_OK;
  }
  IFACEMETHODIMP EnumConnections(IEnumConnections**) override { return E_NOTIMPL; }
};

class FakeControl : public IOleObject, public IPersistPropertyBag, public IProvideClassInfo2,
                    public IConnectionPointContainer {
 public:
  FakeControl() { point.calls = &calls; }
  FakePoint point;
  std::vector<std::string> calls;
  IOleClientSite* site = nullptr;

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject)) *ppv = static_cast<IOleObject*>(this);
    if (IsEqualIID(riid, IID_IPersistPropertyBag)) *ppv = static_cast<IPersistPropertyBag*>(this);
    if (IsEqualIID(riid, IID_IProvideClassInfo) || IsEqualIID(riid, IID_IProvideClassInfo2))
      *ppv = static_cast<IProvideClassInfo2*>(this);
    if (IsEqualIID(riid, IID_IConnectionPointContainer)) *ppv = static_cast<IConnectionPointContainer*>(this);
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }  // lives as long as the test
  IFACEMETHODIMP_(ULONG) Release() override { return 1; }

  // IOleObject
  IFACEMETHODIMP SetClientSite(IOleClientSite* s) override {
    if (site) site->Release();
    site = s;
    if (!s) return calls.push_back("SetClientSite(nothing)"), S_OK;
    s->AddRef();
    calls.push_back("SetClientSite UserMode=" + Ambient(DISPID_AMBIENT_USERMODE));
    return S_OK;
  }
  IFACEMETHODIMP GetClientSite(IOleClientSite**) override { return E_NOTIMPL; }
  IFACEMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  IFACEMETHODIMP Close(DWORD) override { return calls.push_back("Close"), S_OK; }
  IFACEMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  IFACEMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  IFACEMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override {
    return calls.push_back("DoVerb " + std::to_string(verb)), S_OK;
  }
  IFACEMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  IFACEMETHODIMP Update() override { return S_OK; }
  IFACEMETHODIMP IsUpToDate() override { return S_OK; }
  IFACEMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  IFACEMETHODIMP SetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  IFACEMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  IFACEMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  IFACEMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetMiscStatus(DWORD, DWORD* status) override { return *status = misc, S_OK; }
  IFACEMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IPersistPropertyBag: a text, a number in the type the control asks for, and a name not given.
  IFACEMETHODIMP GetClassID(CLSID* id) override { return *id = kFakeClass, S_OK; }
  IFACEMETHODIMP InitNew() override { return calls.push_back("InitNew"), S_OK; }
  IFACEMETHODIMP Load(IPropertyBag* bag, IErrorLog*) override {
    VARIANT caption, size, missing;
    VariantInit(&caption);
    VariantInit(&size);
    VariantInit(&missing);
    V_VT(&size) = VT_I4;
    bag->Read(L"caption", &caption, nullptr);
    bag->Read(L"Size", &size, nullptr);
    HRESULT absent = bag->Read(L"Missing", &missing, nullptr);
    calls.push_back("Load " + std::string(V_VT(&caption) == VT_BSTR ? "text " : "? ") +
                    (V_VT(&size) == VT_I4 ? std::to_string(V_I4(&size)) : "?") +
                    (absent == E_INVALIDARG ? " missing" : " ?"));
    VariantClear(&caption);
    return S_OK;
  }
  IFACEMETHODIMP Save(IPropertyBag*, BOOL, BOOL) override { return E_NOTIMPL; }

  // IProvideClassInfo2
  IFACEMETHODIMP GetClassInfo(ITypeInfo** info) override {
    IProvideClassInfo* form = nullptr;
    if (FAILED(HostFormObject()->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&form)))) return E_FAIL;
    HRESULT hr = form->GetClassInfo(info);
    form->Release();
    return hr;
  }
  IFACEMETHODIMP GetGUID(DWORD, GUID* guid) override { return *guid = rt::ole::DIID_FormEvents, S_OK; }

  // IConnectionPointContainer
  IFACEMETHODIMP EnumConnectionPoints(IEnumConnectionPoints**) override { return E_NOTIMPL; }
  IFACEMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** found) override {
    *found = IsEqualIID(riid, rt::ole::DIID_FormEvents) ? &point : nullptr;
    return *found ? S_OK : CONNECT_E_NOCONNECTION;
  }

  std::string Ambient(DISPID id) {
    IDispatch* ambient = nullptr;
    VARIANT v;
    VariantInit(&v);
    DISPPARAMS none{};
    std::string text = "?";
    if (site && SUCCEEDED(site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient))) &&
        SUCCEEDED(ambient->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr)))
      text = V_VT(&v) == VT_BOOL ? (V_BOOL(&v) ? "True" : "False") : "?";
    if (ambient) ambient->Release();
    return text;
  }

  DWORD misc = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INVISIBLEATRUNTIME;
};

FakeControl& TheControl() {
  static FakeControl control;
  return control;
}

class FakeFactory : public IClassFactory {
 public:
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory) ? this : nullptr;
    return *ppv ? S_OK : E_NOINTERFACE;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return 2; }
  IFACEMETHODIMP_(ULONG) Release() override { return 1; }
  IFACEMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    return outer ? CLASS_E_NOAGGREGATION : TheControl().QueryInterface(riid, ppv);
  }
  IFACEMETHODIMP LockServer(BOOL) override { return S_OK; }
};

constexpr rt::PropertyDesign kValues[] = {{"Caption", "Hello"}, {"Size", "42"}};
constexpr rt::ControlDesign kControls[] = {
    {.name = "ctlFake", .kind = rt::ControlKind::OleControl, .left = 120, .top = 120, .width = 1200, .height = 600,
     .classId = "{3C5B7E0A-51D2-4F8B-9C6E-2A7D1F40B913}", .properties = kValues},
};

class HostForm : public rt::Form {
 public:
  HostForm() : rt::Form("frmHost") {}
  std::vector<std::string> events;

 protected:
  rt::FormSettings Settings() const override {
    rt::FormSettings s;
    s.controls = kControls;
    return s;
  }
  void Control_Event(rt::Control& sender, rt::ObjectEvent& event) override {
    events.push_back(sender.Name() + "_" + event.name + " " + std::to_string(event.args.size()));
    if (!event.args.empty() && V_VT(event.args[0]) == (VT_I2 | VT_BYREF)) *V_I2REF(event.args[0]) = 7;
  }
};

HostForm& frmHost() {
  static HostForm form;
  return form;
}

IDispatch* HostFormObject() { return frmHost().ObjectModel()->FormDispatch(); }

class OleControlOnForm : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_HRESULT_SUCCEEDED(OleInitialize(nullptr));
    ASSERT_HRESULT_SUCCEEDED(
        CoRegisterClassObject(kFakeClass, &factory_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_));
  }
  static void TearDownTestSuite() {
    CoRevokeClassObject(cookie_);
    OleUninitialize();
  }
  void SetUp() override {
    rt::SetQuitting(false);
    TheControl().calls.clear();
  }
  void TearDown() override { frmHost().Unload(); }

  static inline FakeFactory factory_;
  static inline DWORD cookie_ = 0;
};

TEST_F(OleControlOnForm, TheControlGetsItsSiteFirstThenItsDesignValuesAndIsClosedAtTheUnload) {
  frmHost().Load();
  ASSERT_TRUE(frmHost().IsLoaded());
  EXPECT_EQ(TheControl().calls, (std::vector<std::string>{"SetClientSite UserMode=True", "Load text 42 missing"}));
  TheControl().calls.clear();
  frmHost().Unload();
  EXPECT_EQ(TheControl().calls, (std::vector<std::string>{"Unadvise", "Close", "SetClientSite(nothing)"}));
}

TEST_F(OleControlOnForm, AControlThatWantsItsSiteLaterAndShowsIsActivatedInItsPlace) {
  TheControl().misc = 0;
  frmHost().Load();
  TheControl().misc = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INVISIBLEATRUNTIME;
  EXPECT_EQ(TheControl().calls, (std::vector<std::string>{"Load text 42 missing", "SetClientSite UserMode=True",
                                                          "DoVerb " + std::to_string(OLEIVERB_INPLACEACTIVATE)}));
}

TEST_F(OleControlOnForm, EventsReachTheFormsHandlerByNameAndByReferenceArgumentsComeBack) {
  frmHost().Load();
  frmHost().events.clear();
  ASSERT_TRUE(TheControl().point.sink);
  short cancel = 0;
  VARIANT arg;
  V_VT(&arg) = VT_I2 | VT_BYREF;
  V_I2REF(&arg) = &cancel;
  DISPPARAMS one{&arg, nullptr, 1, 0}, none{};
  TheControl().point.sink->Invoke(rt::ole::kFormResize, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
  TheControl().point.sink->Invoke(rt::ole::kFormUnload, IID_NULL, 0, DISPATCH_METHOD, &one, nullptr, nullptr, nullptr);
  EXPECT_EQ(frmHost().events, (std::vector<std::string>{"ctlFake_Resize 0", "ctlFake_Unload 1"}));
  EXPECT_EQ(cancel, 7);
}

TEST_F(OleControlOnForm, AClassThatIsNotRegisteredFailsTheLoadWithTheControlsName) {
  static constexpr rt::ControlDesign kMissing[] = {
      {.name = "ctlGhost", .kind = rt::ControlKind::OleControl, .classId = "No.Such.Control"}};
  class GhostForm : public rt::Form {
   public:
    GhostForm() : rt::Form("frmGhost") {}

   protected:
    rt::FormSettings Settings() const override {
      rt::FormSettings s;
      s.controls = kMissing;
      return s;
    }
  } ghost;
  try {
    ghost.Load();
    FAIL() << "the load went through";
  } catch (const std::exception& e) {
    EXPECT_NE(std::string(e.what()).find("ctlGhost"), std::string::npos) << e.what();
  }
  EXPECT_FALSE(ghost.IsLoaded());
}

}  // namespace
