#pragma once
// The one outgoing interface of an object of the form object model (the form's events). It lives
// inside its object and shares that object's reference count.
#include <windows.h>
#include <ocidl.h>

#include <utility>
#include <vector>

#include "scoped_win.h"

namespace rt::ole {

class EventPoint : public IConnectionPoint {
 public:
  EventPoint(IConnectionPointContainer& owner, const IID& iid) : owner_(owner), iid_(iid) {}
  EventPoint(const EventPoint&) = delete;
  EventPoint& operator=(const EventPoint&) = delete;

  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  IFACEMETHODIMP_(ULONG) AddRef() override { return owner_.AddRef(); }
  IFACEMETHODIMP_(ULONG) Release() override { return owner_.Release(); }
  IFACEMETHODIMP GetConnectionInterface(IID* iid) override;
  IFACEMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
  IFACEMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
  IFACEMETHODIMP Unadvise(DWORD cookie) override;
  IFACEMETHODIMP EnumConnections(IEnumConnections** out) override;

  const IID& Iid() const { return iid_; }
  // Calls every sink that is advised now; a sink that unadvises meanwhile does not disturb the others.
  void Fire(DISPID id, DISPPARAMS& params);
  void DropAll() { sinks_.clear(); }

 private:
  IConnectionPointContainer& owner_;
  const IID& iid_;
  std::vector<std::pair<DWORD, rt::ComPtr<IDispatch>>> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace rt::ole
