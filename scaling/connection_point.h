#pragma once
// One outgoing interface of the control. It lives inside the control and shares its reference
// count, so a sink's hold on the point keeps the control alive and no cycle forms.
#include <windows.h>
#include <ocidl.h>

#include <utility>
#include <vector>

#include "scoped_win.h"

namespace amb {

class ConnectionPoint : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& owner, const IID& iid) : owner_(owner), iid_(iid) {}
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
  void DropAll() { sinks_.clear(); }

 private:
  IConnectionPointContainer& owner_;
  const IID& iid_;
  std::vector<std::pair<DWORD, rt::ComPtr<IUnknown>>> sinks_;  // each held as the point's interface
  DWORD nextCookie_ = 1;
};

}  // namespace amb
