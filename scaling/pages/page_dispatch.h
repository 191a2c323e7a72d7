#pragma once
// A page's default dispatch interface (_General, _ScaleBorders and the others), served from the
// control's own type library: a designer may ask a page object for it. Only _ScaleControls has a
// member; the page class implements it.
#include <windows.h>
#include <oaidl.h>

#include "own_type_library.h"
#include "scoped_win.h"

namespace amb::pages {

template <class Interface>
class PageDispatch : public Interface {
 public:
  IFACEMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  IFACEMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    return index == 0 ? LoadOwnTypeInfo(__uuidof(Interface), info) : DISP_E_BADINDEX;
  }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    rt::ComPtr<ITypeInfo> info;
    HRESULT hr = LoadOwnTypeInfo(__uuidof(Interface), info.put());
    return SUCCEEDED(hr) ? info->GetIDsOfNames(names, count, ids) : hr;
  }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) override {
    rt::ComPtr<ITypeInfo> info;
    HRESULT hr = LoadOwnTypeInfo(__uuidof(Interface), info.put());
    return SUCCEEDED(hr) ? info->Invoke(static_cast<Interface*>(this), id, flags, params, result, exception, argError)
                         : hr;
  }
};

}  // namespace amb::pages
