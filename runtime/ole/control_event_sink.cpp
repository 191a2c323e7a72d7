#include "control_event_sink.h"

#include <new>
#include <string>

#include "controls.h"
#include "scoped_ole.h"
#include "text_encoding.h"

namespace rt::ole {
namespace {

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
  rt::ComPtr<ControlEventSink> sink;
  sink.reset(new (std::nothrow) ControlEventSink(owner));
  if (!sink || FAILED(sink->Advise(control, sink->sourceInfo_))) return nullptr;
  return sink.detach();
}

void ControlEventSink::Disconnect() {
  owner_ = nullptr;
  Unadvise();
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
