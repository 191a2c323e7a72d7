#pragma once
// Receives the events of a COM control on its default source interface and hands them, by name,
// to the control's form.
#include <windows.h>
#include <ocidl.h>

#include "com_object.h"
#include "scoped_win.h"

namespace rt {
class OleControl;
}

namespace rt::ole {

class ControlEventSink final : public ComObject<ControlEventSink, IDispatch> {
 public:
  static const QITAB kInterfaceTable[];
  // Advises a new sink on the control; null when the control names no default source.
  static ControlEventSink* Connect(IUnknown& control, OleControl& owner);
  void Disconnect();

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  IFACEMETHODIMP GetTypeInfoCount(UINT* count) override;
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

 private:
  explicit ControlEventSink(OleControl& owner) : owner_(&owner) {}
  friend class ComObject<ControlEventSink, IDispatch>;
  ~ControlEventSink() override = default;

  OleControl* owner_;
  IID source_{};
  rt::ComPtr<ITypeInfo> sourceInfo_;
  rt::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace rt::ole
