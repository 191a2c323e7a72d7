#include "late_bound.h"

#include "scoped_win.h"

namespace amb {
namespace {

HRESULT GetById(IDispatch* object, DISPID id, DISPPARAMS& params, WORD flags, VARIANT* out) {
  VariantInit(out);
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, out, nullptr, nullptr);
}

}  // namespace

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, VARIANT* out) {
  if (!object || !out) return E_POINTER;
  DISPID id;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{};
  return GetById(object, id, none, DISPATCH_PROPERTYGET, out);
}

HRESULT GetItem(IDispatch* collection, LONG index, VARIANT* out) {
  if (!collection || !out) return E_POINTER;
  VARIANT arg;
  V_VT(&arg) = VT_I4;
  V_I4(&arg) = index;
  DISPPARAMS params{&arg, nullptr, 1, 0};
  return GetById(collection, DISPID_VALUE, params, DISPATCH_PROPERTYGET | DISPATCH_METHOD, out);
}

HRESULT GetAmbientProperty(IUnknown* site, DISPID id, VARIANT* out) {
  if (!site || !out) return E_POINTER;
  rt::ComPtr<IDispatch> ambient;
  HRESULT hr = site->QueryInterface(IID_IDispatch, ambient.put_void());
  if (FAILED(hr)) return hr;
  DISPPARAMS none{};
  return GetById(ambient.get(), id, none, DISPATCH_PROPERTYGET, out);
}

}  // namespace amb
