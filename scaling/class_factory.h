#pragma once
// DllGetClassObject's table: one generic class factory per creatable class.
#include <windows.h>

#include <span>

namespace amb {

struct ClassEntry {
  const CLSID* clsid;
  HRESULT (*create)(REFIID riid, void** ppv);
};

HRESULT GetClassObjectFrom(std::span<const ClassEntry> classes, REFCLSID clsid, REFIID riid, void** ppv);

}  // namespace amb
