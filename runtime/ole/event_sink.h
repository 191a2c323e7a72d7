#pragma once
// What every sink advised on an object's default source interface shares: it answers for that
// interface's IID as for IDispatch (a strict connection point asks the sink for the exact IID),
// has no type information of its own, and keeps its connection until Unadvise.
#include <windows.h>
#include <ocidl.h>

#include "com_object.h"
#include "scoped_win.h"

namespace rt::ole {

// The interface the object's class marks as its default source; its names name the events.
HRESULT DefaultSourceTypeInfo(IProvideClassInfo& object, ITypeInfo** source);

template <class Derived>
class EventSink : public ComObject<Derived, IDispatch> {
 public:
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (ppv && IsEqualIID(riid, source_) && !IsEqualIID(riid, IID_NULL)) {
      *ppv = static_cast<IDispatch*>(this);
      this->AddRef();
      return S_OK;
    }
    return ComObject<Derived, IDispatch>::QueryInterface(riid, ppv);
  }
  IFACEMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }

 protected:
  // Advises this sink on the object's default source. sourceInfo receives that interface's type
  // information where the object describes it, and stays empty where it does not.
  HRESULT Advise(IUnknown& object, rt::ComPtr<ITypeInfo>& sourceInfo) {
    rt::ComPtr<IProvideClassInfo2> classInfo;
    rt::ComPtr<IConnectionPointContainer> container;
    HRESULT hr = object.QueryInterface(IID_IProvideClassInfo2, classInfo.put_void());
    if (SUCCEEDED(hr)) hr = classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source_);
    if (SUCCEEDED(hr)) hr = object.QueryInterface(IID_IConnectionPointContainer, container.put_void());
    if (FAILED(hr)) return hr;
    if (FAILED(DefaultSourceTypeInfo(*classInfo.get(), sourceInfo.put()))) sourceInfo.reset();
    if (FAILED(hr = container->FindConnectionPoint(source_, point_.put()))) return hr;
    return point_->Advise(static_cast<IDispatch*>(this), &cookie_);
  }
  void Unadvise() {
    if (point_ && cookie_) point_->Unadvise(cookie_);
    cookie_ = 0;
    point_.reset();
  }

 private:
  IID source_ = IID_NULL;
  rt::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace rt::ole
