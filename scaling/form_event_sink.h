#pragma once
// Follows a host form's Load, Resize and Unload through the form's connection point: the form's
// default source interface, the event ids found by name in its type description.
#include <windows.h>
#include <ocidl.h>

#include "form_lifecycle.h"
#include "ole/event_sink.h"
#include "scoped_win.h"

namespace amb {

class FormEventSink final : public rt::ole::EventSink<FormEventSink> {
 public:
  static const QITAB kInterfaceTable[];
  // Advises a new sink on form; empty when the form offers no events the control can follow.
  // owner is the control that holds the lifecycle, until Disconnect.
  static rt::ComPtr<FormEventSink> Connect(IDispatch* form, FormLifecycle& lifecycle, IUnknown* owner);
  // Unadvises; events that still arrive reach nothing.
  void Disconnect();

  IFACEMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

 private:
  FormEventSink(FormLifecycle& lifecycle, IUnknown* owner) : lifecycle_(&lifecycle), owner_(owner) {}
  ~FormEventSink() override = default;

  FormLifecycle* lifecycle_;
  IUnknown* owner_;  // not held: the control disconnects before it goes
  DISPID load_ = DISPID_UNKNOWN, resize_ = DISPID_UNKNOWN, unload_ = DISPID_UNKNOWN;
};

}  // namespace amb
