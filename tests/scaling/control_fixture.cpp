#include "control_fixture.h"

#include "regsvr32.h"

namespace ambtest {

DWORD RunRegsvr32(bool unregister) { return testsupport::RunRegsvr32(AMBRELO_DLL_PATH, unregister); }

void ComEnvironment::SetUp() {
  ASSERT_HRESULT_SUCCEEDED(OleInitialize(nullptr));
  ASSERT_EQ(RunRegsvr32(false), 0u);
}

void ComEnvironment::TearDown() {
  EXPECT_EQ(RunRegsvr32(true), 0u);
  OleUninitialize();
}

static ::testing::Environment* const kComEnvironment = ::testing::AddGlobalTestEnvironment(new ComEnvironment);

rt::ComPtr<IDispatch> CreateControl() {
  rt::ComPtr<IDispatch> control;
  HRESULT hr = CoCreateInstance(CLSID_Ambrelo, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.put_void());
  EXPECT_HRESULT_SUCCEEDED(hr);
  return control;
}

DISPID DispId(IDispatch* object, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result) {
  CallResult r;
  DISPID id;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  r.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (SUCCEEDED(r.hr)) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID named = DISPID_PROPERTYPUT;
    bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    EXCEPINFO info{};
    UINT argError = 0;
    VARIANT ignored;
    VariantInit(&ignored);
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result ? result : &ignored, &info,
                          &argError);
    VariantClear(&ignored);
    if (r.hr == DISP_E_EXCEPTION) {
      r.scode = info.scode;
      if (info.bstrDescription) r.description = info.bstrDescription;
    }
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
  }
  for (VARIANT& a : args) VariantClear(&a);
  return r;
}

CallResult Get(IDispatch* object, const wchar_t* name, VARIANT* result, std::vector<VARIANT> index) {
  VARIANT ignored;
  VariantInit(&ignored);
  if (result) VariantInit(result);
  CallResult r = Invoke(object, name, DISPATCH_PROPERTYGET, std::move(index), result ? result : &ignored);
  VariantClear(&ignored);
  return r;
}

CallResult Put(IDispatch* object, const wchar_t* name, VARIANT value, std::vector<VARIANT> index) {
  index.push_back(value);
  return Invoke(object, name, DISPATCH_PROPERTYPUT, std::move(index), nullptr);
}

VARIANT Bool(bool b) {
  VARIANT v;
  V_VT(&v) = VT_BOOL;
  V_BOOL(&v) = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}
VARIANT I2(short x) {
  VARIANT v;
  V_VT(&v) = VT_I2;
  V_I2(&v) = x;
  return v;
}
VARIANT I4(LONG x) {
  VARIANT v;
  V_VT(&v) = VT_I4;
  V_I4(&v) = x;
  return v;
}
VARIANT R4(float x) {
  VARIANT v;
  V_VT(&v) = VT_R4;
  V_R4(&v) = x;
  return v;
}
VARIANT Text(const wchar_t* s) {
  VARIANT v;
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(s);
  return v;
}

std::wstring Show(const VARIANT& v) {
  VARIANT text;
  VariantInit(&text);
  std::wstring out = L"vt" + std::to_wstring(V_VT(&v)) + L":";
  if (SUCCEEDED(VariantChangeType(&text, const_cast<VARIANT*>(&v), VARIANT_ALPHABOOL, VT_BSTR)))
    out += V_BSTR(&text);
  VariantClear(&text);
  return out;
}

HostedControl::HostedControl(bool userMode, IPropertyBag* bag) {
  site.userMode = userMode;
  control = CreateControl();
  if (!control) return;
  rt::ComPtr<IOleObject> ole;
  control.As(ole);
  ole->SetClientSite(&site);
  rt::ComPtr<IConnectionPointContainer> cpc;
  control.As(cpc);
  rt::ComPtr<IConnectionPoint> point;
  cpc->FindConnectionPoint(IID_IPropertyNotifySink, point.put());
  point->Advise(static_cast<IPropertyNotifySink*>(&notify), &notifyCookie);
  if (bag) {
    rt::ComPtr<IPersistPropertyBag> persist;
    control.As(persist);
    EXPECT_HRESULT_SUCCEEDED(persist->Load(bag, nullptr));
  } else {
    rt::ComPtr<IPersistStreamInit> persist;
    control.As(persist);
    EXPECT_HRESULT_SUCCEEDED(persist->InitNew());
  }
}

HostedControl::~HostedControl() {
  if (!control) return;
  rt::ComPtr<IConnectionPointContainer> cpc;
  control.As(cpc);
  rt::ComPtr<IConnectionPoint> point;
  cpc->FindConnectionPoint(IID_IPropertyNotifySink, point.put());
  point->Unadvise(notifyCookie);
  rt::ComPtr<IOleObject> ole;
  control.As(ole);
  ole->Close(OLECLOSE_NOSAVE);
  ole->SetClientSite(nullptr);
}

}  // namespace ambtest
