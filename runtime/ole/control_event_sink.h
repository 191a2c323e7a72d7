#pragma once
// Receives the events of a COM control on its default source interface and hands them, by name,
// to the control's form.
#include <windows.h>
#include <ocidl.h>

#include "event_sink.h"
#include "scoped_win.h"

namespace rt {
class OleControl;
}

namespace rt::ole {

class ControlEventSink final : public EventSink<ControlEventSink> {
 public:
  static const QITAB kInterfaceTable[];
  // Advises a new sink on the control; null when the control names no default source.
  static ControlEventSink* Connect(IUnknown& control, OleControl& owner);
  void Disconnect();

  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

 private:
  explicit ControlEventSink(OleControl& owner) : owner_(&owner) {}
  friend class ComObject<ControlEventSink, IDispatch>;
  ~ControlEventSink() override = default;

  OleControl* owner_;
  rt::ComPtr<ITypeInfo> sourceInfo_;  // without it, events come unnamed and are dropped
};

}  // namespace rt::ole
