#include "class_factory.h"

#include <new>

#include "com_object.h"

namespace amb {
namespace {

class ClassFactory : public ComObject<ClassFactory, IClassFactory> {
 public:
  static const QITAB kInterfaceTable[];
  explicit ClassFactory(const ClassEntry& entry) : entry_(entry) {}

  IFACEMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return ComEntry([&] { return entry_.create(riid, ppv); });
  }
  IFACEMETHODIMP LockServer(BOOL lock) override {
    if (lock) {
      rt::ole::LockModule();
    } else {
      rt::ole::UnlockModule();
    }
    return S_OK;
  }

 private:
  const ClassEntry& entry_;
};

const QITAB ClassFactory::kInterfaceTable[] = {
    QITABENT(ClassFactory, IClassFactory),
    {nullptr, 0},
};

}  // namespace

HRESULT GetClassObjectFrom(std::span<const ClassEntry> classes, REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  for (const ClassEntry& entry : classes) {
    if (IsEqualCLSID(*entry.clsid, clsid)) return CreateComObject<ClassFactory>(riid, ppv, entry);
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

}  // namespace amb
