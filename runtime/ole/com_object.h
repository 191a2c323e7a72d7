#pragma once
// The one reference count and QueryInterface of every COM class, the runtime's and the control
// library's alike. Derived lists its interfaces in a QITAB named kInterfaceTable; one
// AddRef/Release/QueryInterface serves all the interfaces it inherits. Each live object counts in
// its module's lock count, which a DLL's DllCanUnloadNow reads.
#include <windows.h>
#include <shlwapi.h>

#include <new>
#include <utility>

namespace rt::ole {

// The module's live objects and server locks.
void LockModule();
void UnlockModule();
bool ModuleInUse();

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

// A new T holding the creator's reference; null when memory ran out.
template <class T, class... Args>
T* NewComObject(Args&&... args) {
  return new (std::nothrow) T(std::forward<Args>(args)...);
}

// Creates T, asks it for riid and drops the creator's reference.
template <class T, class... Args>
HRESULT CreateComObject(REFIID riid, void** ppv, Args&&... args) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  T* object = NewComObject<T>(std::forward<Args>(args)...);
  if (!object) return E_OUTOFMEMORY;
  HRESULT hr = object->QueryInterface(riid, ppv);
  object->Release();
  return hr;
}

}  // namespace rt::ole
