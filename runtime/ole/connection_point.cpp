#include "connection_point.h"

#include <olectl.h>

#include <algorithm>

#include "com_entry.h"
#include "snapshot_enum.h"

namespace rt::ole {

IFACEMETHODIMP ConnectionPoint::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IConnectionPoint)) {
    *ppv = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

IFACEMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
  return ComEntry([&]() -> HRESULT {
    if (!iid) return E_POINTER;
    *iid = iid_;
    return S_OK;
  });
}

IFACEMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
  return ComEntry([&]() -> HRESULT {
    if (!out) return E_POINTER;
    *out = &owner_;
    owner_.AddRef();
    return S_OK;
  });
}

IFACEMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  return ComEntry([&]() -> HRESULT {
    if (!cookie) return E_POINTER;
    *cookie = 0;
    if (!sink) return E_POINTER;
    rt::ComPtr<IUnknown> typed;
    if (FAILED(sink->QueryInterface(iid_, typed.put_void())) &&
        (!orDispatch_ || FAILED(sink->QueryInterface(IID_IDispatch, typed.put_void()))))
      return CONNECT_E_CANNOTCONNECT;
    *cookie = nextCookie_++;
    sinks_.emplace_back(*cookie, std::move(typed));
    return S_OK;
  });
}

IFACEMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
  return ComEntry([&]() -> HRESULT {
    auto it = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& s) { return s.first == cookie; });
    if (it == sinks_.end()) return CONNECT_E_NOCONNECTION;
    rt::ComPtr<IUnknown> leaving = std::move(it->second);  // released after the list is consistent
    sinks_.erase(it);
    return S_OK;
  });
}

IFACEMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out) {
  return ComEntry([&]() -> HRESULT {
    if (!out) return E_POINTER;
    std::vector<CONNECTDATA> items;
    for (const auto& [cookie, sink] : sinks_) items.push_back(CONNECTDATA{sink.get(), cookie});
    return CreateComObject<SnapshotEnum<IEnumConnections, CONNECTDATA>>(IID_IEnumConnections,
                                                                        reinterpret_cast<void**>(out), items);
  });
}

std::vector<rt::ComPtr<IUnknown>> ConnectionPoint::Sinks() const {
  std::vector<rt::ComPtr<IUnknown>> copy;
  for (const auto& s : sinks_) copy.push_back(s.second);
  return copy;
}

// Each sink was taken as the dispinterface or as IDispatch, so it is an IDispatch.
void ConnectionPoint::Fire(DISPID id, DISPPARAMS& params) const {
  for (const rt::ComPtr<IUnknown>& sink : Sinks())
    static_cast<IDispatch*>(sink.get())
        ->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

}  // namespace rt::ole
