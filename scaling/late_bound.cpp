#include "late_bound.h"

namespace amb {
namespace {

HRESULT GetById(IDispatch* object, DISPID id, DISPPARAMS& params, WORD flags, rt::Variant& out) {
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, out.put(), nullptr, nullptr);
}

rt::ComPtr<IDispatch> DispatchIn(rt::Variant& value) {
  if (FAILED(value.ChangeType(VT_DISPATCH))) return {};
  return rt::ComPtr<IDispatch>(V_DISPATCH(value.get()));
}

}  // namespace

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, rt::Variant& out) {
  out.reset();
  if (!object) return E_POINTER;
  DISPID id;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{};
  return GetById(object, id, none, DISPATCH_PROPERTYGET, out);
}

HRESULT GetItem(IDispatch* collection, LONG index, rt::Variant& out) {
  out.reset();
  if (!collection) return E_POINTER;
  rt::Variant arg;
  V_VT(arg.get()) = VT_I4;
  V_I4(arg.get()) = index;
  DISPPARAMS params{arg.get(), nullptr, 1, 0};
  return GetById(collection, DISPID_VALUE, params, DISPATCH_PROPERTYGET | DISPATCH_METHOD, out);
}

HRESULT GetAmbientProperty(IUnknown* site, DISPID id, rt::Variant& out) {
  out.reset();
  if (!site) return E_POINTER;
  rt::ComPtr<IDispatch> ambient;
  HRESULT hr = site->QueryInterface(IID_IDispatch, ambient.put_void());
  if (FAILED(hr)) return hr;
  DISPPARAMS none{};
  return GetById(ambient.get(), id, none, DISPATCH_PROPERTYGET, out);
}

rt::ComPtr<IDispatch> GetObjectByName(IDispatch* object, const wchar_t* name) {
  rt::Variant value;
  if (FAILED(GetPropertyByName(object, name, value))) return {};
  return DispatchIn(value);
}

rt::ComPtr<IDispatch> GetItemObject(IDispatch* collection, LONG index) {
  rt::Variant value;
  if (FAILED(GetItem(collection, index, value))) return {};
  return DispatchIn(value);
}

}  // namespace amb
