#pragma once
// One outgoing interface of an object (the control's events and property notifications, the
// form's events). It lives inside its object and shares that object's reference count, so a
// sink's hold on the point keeps the object alive and no cycle forms.
#include <windows.h>
#include <ocidl.h>

#include <utility>
#include <vector>

#include "scoped_win.h"

namespace rt::ole {

class ConnectionPoint : public IConnectionPoint {
 public:
  // orDispatch: a sink may answer only for IDispatch, as the platform's event sinks do.
  ConnectionPoint(IConnectionPointContainer& owner, const IID& iid, bool orDispatch = false)
      : owner_(owner), iid_(iid), orDispatch_(orDispatch) {}
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  IFACEMETHODIMP_(ULONG) AddRef() override { return owner_.AddRef(); }
  IFACEMETHODIMP_(ULONG) Release() override { return owner_.Release(); }

  IFACEMETHODIMP GetConnectionInterface(IID* iid) override;
  IFACEMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
  IFACEMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  IFACEMETHODIMP Unadvise(DWORD cookie) override;
  IFACEMETHODIMP EnumConnections(IEnumConnections** out) override;

  const IID& Iid() const { return iid_; }
  // The sinks as they are now; a sink that unadvises during a call does not disturb the others.
  std::vector<rt::ComPtr<IUnknown>> Sinks() const;
  // Calls every sink advised now, for a point whose interface is a dispinterface.
  void Fire(DISPID id, DISPPARAMS& params) const;
  void DropAll() { sinks_.clear(); }

 private:
  IConnectionPointContainer& owner_;
  const IID& iid_;
  bool orDispatch_;
  std::vector<std::pair<DWORD, rt::ComPtr<IUnknown>>> sinks_;  // each held as the point's interface
  DWORD nextCookie_ = 1;
};

}  // namespace rt::ole
