#include "event_point.h"

#include <olectl.h>

#include <algorithm>

namespace rt::ole {

IFACEMETHODIMP EventPoint::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

IFACEMETHODIMP EventPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

IFACEMETHODIMP EventPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  if (!out) return E_POINTER;
  *out = &owner_;
  owner_.AddRef();
  return S_OK;
}

// A sink answers for the event interface or, as the platform's sinks do, only for IDispatch.
IFACEMETHODIMP EventPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  rt::ComPtr<IDispatch> typed;
  if (FAILED(sink->QueryInterface(iid_, typed.put_void())) &&
      FAILED(sink->QueryInterface(IID_IDispatch, typed.put_void())))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, std::move(typed));
  return S_OK;
}

IFACEMETHODIMP EventPoint::Unadvise(DWORD cookie) {
  auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& s) { return s.first == cookie; });
  if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
  rt::ComPtr<IDispatch> leaving = std::move(it->second);  // released once the list is consistent
  sinks_.erase(it);
  return S_OK;
}

IFACEMETHODIMP EventPoint::EnumConnections(IEnumConnections** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

void EventPoint::Fire(DISPID id, DISPPARAMS& params) {
  std::vector<rt::ComPtr<IDispatch>> now;
  for (const auto& s : sinks_) now.push_back(s.second);
  for (const auto& sink : now)
    sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

}  // namespace rt::ole
