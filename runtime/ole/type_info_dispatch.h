#pragma once
// IDispatch of a dual interface answered by the interface's own type information: names, ids,
// argument coercion and optional arguments are exactly those of the type library, and a failing
// member comes back as DISP_E_EXCEPTION with its error info. Load finds the type information by
// the interface's id; an object reads it once.
#include <windows.h>
#include <oaidl.h>
#include <oleauto.h>

#include "com_entry.h"
#include "scoped_win.h"

namespace rt::ole {

// IDispatch's answer for its type information, for an object described by one ITypeInfo, which
// Derived::TypeInfo(ITypeInfo**) gives with a reference of the caller's.
template <class Interface, class Derived>
class OneTypeInfo : public Interface {
 public:
  IFACEMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  IFACEMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return ComEntry([&] { return static_cast<Derived*>(this)->TypeInfo(info); });
  }
};

template <class Interface, HRESULT (*Load)(REFGUID, ITypeInfo**)>
class TypeInfoDispatch : public OneTypeInfo<Interface, TypeInfoDispatch<Interface, Load>> {
 public:
  HRESULT TypeInfo(ITypeInfo** info) {
    HRESULT hr = LoadTypeInfo();
    if (FAILED(hr)) return hr;
    *info = typeInfo_.get();
    (*info)->AddRef();
    return S_OK;
  }
  IFACEMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return ComEntry([&] {
      HRESULT hr = LoadTypeInfo();
      return SUCCEEDED(hr) ? typeInfo_->GetIDsOfNames(names, count, ids) : hr;
    });
  }
  // The error info of an earlier call must not pass for this one's.
  IFACEMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return InvokeEntry(exception, [&] {
      HRESULT hr = LoadTypeInfo();
      if (FAILED(hr)) return hr;
      SetErrorInfo(0, nullptr);
      return typeInfo_->Invoke(static_cast<Interface*>(this), id, flags, params, result, exception, argError);
    });
  }

 protected:
  // An object that cannot work without its type information reads it at creation, to fail there.
  HRESULT LoadTypeInfo() { return typeInfo_ ? S_OK : Load(__uuidof(Interface), typeInfo_.put()); }
  ITypeInfo* LoadedTypeInfo() const { return typeInfo_.get(); }

 private:
  rt::ComPtr<ITypeInfo> typeInfo_;
};

}  // namespace rt::ole
