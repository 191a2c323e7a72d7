#pragma once
// Reading members of host objects by name, the way the control reaches forms and collections it
// knows nothing about. Any failing HRESULT means "absent".
#include <windows.h>
#include <oleauto.h>

namespace amb {

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, VARIANT* out);
// collection(index): the default member called with one argument.
HRESULT GetItem(IDispatch* collection, LONG index, VARIANT* out);
HRESULT GetAmbientProperty(IUnknown* site, DISPID id, VARIANT* out);

}  // namespace amb
