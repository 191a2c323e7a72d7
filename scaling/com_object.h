#pragma once
// The one reference count and QueryInterface of every COM class of the DLL. Derived lists its
// interfaces in a QITAB named kInterfaceTable; one AddRef/Release/QueryInterface serves all the
// interfaces it inherits. Each live object keeps the module loaded.
#include <windows.h>
#include <shlwapi.h>

#include "com_module.h"

namespace amb {

template <class Derived, class... Interfaces>
class ComObject : public Interfaces... {
 public:
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    return QISearch(static_cast<Derived*>(this), Derived::kInterfaceTable, riid, ppv);
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  IFACEMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  ComObject() { LockModule(); }
  virtual ~ComObject() { UnlockModule(); }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

 private:
  LONG refs_ = 1;  // the creator's reference
};

// Creates T, asks it for riid and drops the creator's reference.
template <class T, class... Args>
HRESULT CreateComObject(REFIID riid, void** ppv, Args&&... args) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  T* object = new (std::nothrow) T(static_cast<Args&&>(args)...);
  if (!object) return E_OUTOFMEMORY;
  HRESULT hr = object->QueryInterface(riid, ppv);
  object->Release();
  return hr;
}

}  // namespace amb
