#pragma once
// The type library embedded in this DLL (TYPELIB 1), read from the module itself so that an
// unregistered or foreign-registered copy never decides our dispatch.
#include <windows.h>
#include <oleauto.h>

namespace amb {

HRESULT LoadOwnTypeLib(ITypeLib** lib);
HRESULT LoadOwnTypeInfo(REFGUID guid, ITypeInfo** info);

}  // namespace amb
