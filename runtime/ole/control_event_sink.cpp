#include "control_event_sink.h"

#include <new>
#include <string>

#include "controls.h"
#include "scoped_ole.h"
#include "text_encoding.h"

namespace rt::ole {
namespace {

// The interface the control's class marks as its default source; its names name the events.
HRESULT DefaultSource(IProvideClassInfo& control, ITypeInfo** source) {
  rt::ComPtr<ITypeInfo> coclass;
  HRESULT hr = control.GetClassInfo(coclass.put());
  if (FAILED(hr)) return hr;
  TYPEATTR* attr = nullptr;
  if (FAILED(hr = coclass->GetTypeAttr(&attr))) return hr;
  WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  constexpr INT kDefaultSource = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    HREFTYPE ref = 0;
    if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) && (flags & kDefaultSource) == kDefaultSource &&
        SUCCEEDED(coclass->GetRefTypeOfImplType(i, &ref)))
      return coclass->GetRefTypeInfo(ref, source);
  }
  return TYPE_E_ELEMENTNOTFOUND;
}

std::string EventName(ITypeInfo* source, DISPID id) {
  rt::Bstr name;
  UINT n = 0;
  if (source && SUCCEEDED(source->GetNames(id, name.put(), 1, &n)) && n == 1 && name.get())
    return Utf8FromWide(std::wstring_view(name.get(), SysStringLen(name.get())));
  return {};
}

}  // namespace

const QITAB ControlEventSink::kInterfaceTable[] = {
    QITABENT(ControlEventSink, IDispatch),
    {nullptr, 0},
};

ControlEventSink* ControlEventSink::Connect(IUnknown& control, OleControl& owner) {
  rt::ComPtr<IProvideClassInfo2> classInfo;
  rt::ComPtr<IConnectionPointContainer> container;
  IID source{};
  if (FAILED(control.QueryInterface(IID_IProvideClassInfo2, classInfo.put_void())) ||
      FAILED(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source)) ||
      FAILED(control.QueryInterface(IID_IConnectionPointContainer, container.put_void())))
    return nullptr;
  rt::ComPtr<ControlEventSink> sink;
  sink.reset(new (std::nothrow) ControlEventSink(owner));
  if (!sink) return nullptr;
  sink->source_ = source;
  DefaultSource(*classInfo.get(), sink->sourceInfo_.put());  // without it, events come unnamed and are dropped
  if (FAILED(container->FindConnectionPoint(source, sink->point_.put())) ||
      FAILED(sink->point_->Advise(static_cast<IDispatch*>(sink.get()), &sink->cookie_)))
    return nullptr;
  return sink.detach();
}

void ControlEventSink::Disconnect() {
  owner_ = nullptr;
  if (point_ && cookie_) point_->Unadvise(cookie_);
  cookie_ = 0;
  point_.reset();
}

IFACEMETHODIMP ControlEventSink::QueryInterface(REFIID riid, void** ppv) {
  if (ppv && IsEqualIID(riid, source_)) {
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return ComObject::QueryInterface(riid, ppv);
}

IFACEMETHODIMP ControlEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

IFACEMETHODIMP ControlEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

IFACEMETHODIMP ControlEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                        UINT*) {
  if (!owner_) return S_OK;
  ObjectEvent event{EventName(sourceInfo_.get(), id), {}};
  if (event.name.empty()) return S_OK;
  if (params)
    for (UINT i = params->cArgs; i > 0; --i) {
      VARIANT* arg = &params->rgvarg[i - 1];
      if (V_VT(arg) == (VT_VARIANT | VT_BYREF)) arg = V_VARIANTREF(arg);
      event.args.push_back(arg);
    }
  rt::ComPtr<ControlEventSink> keep(this);  // the handler may unload the form and disconnect us
  owner_->RaiseEvent(event);
  return S_OK;
}

}  // namespace rt::ole
