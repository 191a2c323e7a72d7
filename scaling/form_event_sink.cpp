#include "form_event_sink.h"

#include <new>

#include "scoped_ole.h"

namespace amb {
namespace {

// The interface the form's class marks as its default source.
HRESULT DefaultSourceInfo(IProvideClassInfo2& form, ITypeInfo** source) {
  rt::ComPtr<ITypeInfo> coclass;
  HRESULT hr = form.GetClassInfo(coclass.put());
  if (FAILED(hr)) return hr;
  TYPEATTR* attr = nullptr;
  if (FAILED(hr = coclass->GetTypeAttr(&attr))) return hr;
  WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    HREFTYPE ref = 0;
    constexpr INT kDefaultSource = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
    if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) && (flags & kDefaultSource) == kDefaultSource &&
        SUCCEEDED(coclass->GetRefTypeOfImplType(i, &ref)))
      return coclass->GetRefTypeInfo(ref, source);
  }
  return TYPE_E_ELEMENTNOTFOUND;
}

DISPID IdOf(ITypeInfo& source, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(source.GetIDsOfNames(names, 1, &id))) return DISPID_UNKNOWN;
  return id;
}

}  // namespace

const QITAB FormEventSink::kInterfaceTable[] = {
    QITABENT(FormEventSink, IDispatch),
    {nullptr, 0},
};

rt::ComPtr<FormEventSink> FormEventSink::Connect(IDispatch* form, FormLifecycle& lifecycle) {
  rt::ComPtr<IProvideClassInfo2> classInfo;
  rt::ComPtr<IConnectionPointContainer> container;
  rt::ComPtr<ITypeInfo> source;
  IID events{};
  if (!form || FAILED(form->QueryInterface(IID_IProvideClassInfo2, classInfo.put_void())) ||
      FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events)) ||
      FAILED(DefaultSourceInfo(*classInfo.get(), source.put())) ||
      FAILED(form->QueryInterface(IID_IConnectionPointContainer, container.put_void())))
    return {};
  rt::ComPtr<FormEventSink> sink;
  sink.reset(new (std::nothrow) FormEventSink(lifecycle));
  if (!sink) return {};
  sink->load_ = IdOf(*source.get(), L"Load");
  sink->resize_ = IdOf(*source.get(), L"Resize");
  sink->unload_ = IdOf(*source.get(), L"Unload");
  if (FAILED(container->FindConnectionPoint(events, sink->point_.put())) ||
      FAILED(sink->point_->Advise(static_cast<IDispatch*>(sink.get()), &sink->cookie_)))
    return {};
  return sink;
}

void FormEventSink::Disconnect() {
  lifecycle_ = nullptr;
  if (point_ && cookie_) point_->Unadvise(cookie_);
  cookie_ = 0;
  point_.reset();
}

IFACEMETHODIMP FormEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
IFACEMETHODIMP FormEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
IFACEMETHODIMP FormEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

// Unload comes with the form's Cancel, which the control reads and never changes.
IFACEMETHODIMP FormEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                     UINT*) {
  if (!lifecycle_ || id == DISPID_UNKNOWN) return S_OK;
  if (id == load_) {
    lifecycle_->OnLoad();
  } else if (id == resize_) {
    lifecycle_->OnHostResize();
  } else if (id == unload_) {
    bool cancelled = false;
    if (params && params->cArgs >= 1) {
      rt::Variant cancel;
      if (SUCCEEDED(cancel.ChangeTypeOf(params->rgvarg[params->cArgs - 1], VT_I4))) cancelled = V_I4(cancel.get()) != 0;
    }
    lifecycle_->OnUnload(cancelled);
  }
  return S_OK;
}

}  // namespace amb
