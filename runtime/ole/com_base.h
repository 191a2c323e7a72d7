#pragma once
// The reference count and QueryInterface of the runtime's COM objects (the form object model and
// the sites of the controls it hosts). Derived lists its interfaces in a QITAB named
// kInterfaceTable. The runtime lives in the program itself, so no module count is kept.
#include <windows.h>
#include <shlwapi.h>

#include <new>
#include <utility>

namespace rt::ole {

template <class Derived, class... Interfaces>
class ComBase : public Interfaces... {
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
  ComBase() = default;
  virtual ~ComBase() = default;
  ComBase(const ComBase&) = delete;
  ComBase& operator=(const ComBase&) = delete;

 private:
  LONG refs_ = 1;  // the creator's reference
};

// A new T held by a ComPtr that owns the creator's reference; empty when memory ran out.
template <class T, class... Args>
T* NewComObject(Args&&... args) {
  return new (std::nothrow) T(std::forward<Args>(args)...);
}

}  // namespace rt::ole
