#include "form_event_sink.h"

#include <new>

#include "ole/com_entry.h"
#include "scoped_ole.h"

namespace amb {
namespace {

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

// The events are found by name in the form's description: without one, none can be followed.
rt::ComPtr<FormEventSink> FormEventSink::Connect(IDispatch* form, FormLifecycle& lifecycle, IUnknown* owner) {
  if (!form) return {};
  rt::ComPtr<FormEventSink> sink;
  sink.reset(new (std::nothrow) FormEventSink(lifecycle, owner));
  rt::ComPtr<ITypeInfo> source;
  if (!sink || FAILED(sink->Advise(*form, source))) return {};
  if (!source) {
    sink->Disconnect();
    return {};
  }
  sink->load_ = IdOf(*source.get(), L"Load");
  sink->resize_ = IdOf(*source.get(), L"Resize");
  sink->unload_ = IdOf(*source.get(), L"Unload");
  return sink;
}

void FormEventSink::Disconnect() {
  lifecycle_ = nullptr;
  owner_ = nullptr;
  Unadvise();
}

// Unload comes with the form's Cancel, which the control reads and never changes. A reaction may
// pump messages (an open effect) in which the container lets go of the control and of this sink:
// both stay alive until the reaction is over.
IFACEMETHODIMP FormEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO* excepInfo, UINT*) {
  return rt::ole::InvokeEntry(excepInfo, [&]() -> HRESULT {
    if (!lifecycle_ || id == DISPID_UNKNOWN) return S_OK;
    rt::ComPtr<IDispatch> keepSink(this);
    rt::ComPtr<IUnknown> keepControl(owner_);
    if (id == load_) {
      lifecycle_->OnLoad();
    } else if (id == resize_) {
      lifecycle_->OnHostResize();
    } else if (id == unload_) {
      bool cancelled = false;
      if (params && params->cArgs >= 1) {
        rt::Variant cancel;
        if (SUCCEEDED(cancel.ChangeTypeOf(params->rgvarg[params->cArgs - 1], VT_I4)))
          cancelled = V_I4(cancel.get()) != 0;
      }
      lifecycle_->OnUnload(cancelled);
    }
    return S_OK;
  });
}

}  // namespace amb
