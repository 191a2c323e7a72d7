#pragma once
// Late-bound calls as a client of an Automation object makes them, for tests: by name, arguments
// first first, the error's number and text kept.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

namespace test {

struct LateCall {
  HRESULT hr = S_OK;
  SCODE scode = S_OK;  // the error's, when hr is DISP_E_EXCEPTION
  std::wstring description;
  VARIANT value{};     // the result; the caller's to clear
  bool ok() const { return SUCCEEDED(hr); }
};

inline LateCall LateInvoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args = {}) {
  LateCall r;
  VariantInit(&r.value);
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  r.hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (SUCCEEDED(r.hr)) {
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID named = DISPID_PROPERTYPUT;
    bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{reversed.data(), put ? &named : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    EXCEPINFO info{};
    r.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, put ? nullptr : &r.value, &info,
                          nullptr);
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

inline LateCall LateGet(IDispatch* object, const wchar_t* name, std::vector<VARIANT> args = {}) {
  return LateInvoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args));
}
inline LateCall LatePut(IDispatch* object, const wchar_t* name, VARIANT value) {
  return LateInvoke(object, name, DISPATCH_PROPERTYPUT, {value});
}

inline VARIANT VarLong(LONG v) {
  VARIANT x;
  V_VT(&x) = VT_I4;
  V_I4(&x) = v;
  return x;
}
inline VARIANT VarDouble(double v) {
  VARIANT x;
  V_VT(&x) = VT_R8;
  V_R8(&x) = v;
  return x;
}
inline VARIANT VarBool(bool v) {
  VARIANT x;
  V_VT(&x) = VT_BOOL;
  V_BOOL(&x) = v ? VARIANT_TRUE : VARIANT_FALSE;
  return x;
}

// A result as text ("" when it does not convert), and as a number.
inline std::wstring TextOf(LateCall r) {
  VARIANT text;
  VariantInit(&text);
  std::wstring out;
  if (SUCCEEDED(VariantChangeType(&text, &r.value, VARIANT_ALPHABOOL, VT_BSTR)) && V_BSTR(&text)) out = V_BSTR(&text);
  VariantClear(&text);
  VariantClear(&r.value);
  return out;
}
inline double NumberOf(LateCall r) {
  VARIANT n;
  VariantInit(&n);
  double out = -1e300;
  if (SUCCEEDED(VariantChangeType(&n, &r.value, 0, VT_R8))) out = V_R8(&n);
  VariantClear(&r.value);
  return out;
}

// The name of the object's type, as the platform's TypeName gives it.
inline std::wstring TypeNameOf(IDispatch* object) {
  ITypeInfo* info = nullptr;
  BSTR name = nullptr;
  std::wstring out;
  if (object && SUCCEEDED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)) && info &&
      SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)) && name)
    out = name;
  SysFreeString(name);
  if (info) info->Release();
  return out;
}

}  // namespace test
