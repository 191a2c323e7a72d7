#pragma once
// The type library embedded in this DLL (TYPELIB 1), read from the module itself so that an
// unregistered or foreign-registered copy never decides our dispatch.
#include <windows.h>
#include <oleauto.h>

#include "ole/type_info_dispatch.h"

namespace amb {

HRESULT LoadOwnTypeLib(ITypeLib** lib);
HRESULT LoadOwnTypeInfo(REFGUID guid, ITypeInfo** info);

// The dispatch of the control's and its pages' interfaces, from this library.
template <class Interface>
using OwnDispatch = rt::ole::TypeInfoDispatch<Interface, LoadOwnTypeInfo>;

}  // namespace amb
