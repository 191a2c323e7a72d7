#pragma once
// Reading members of host objects by name, the way the control reaches forms and collections it
// knows nothing about. Any failing HRESULT means "absent"; out is then empty.
#include <windows.h>
#include <oleauto.h>

#include "scoped_ole.h"
#include "scoped_win.h"

namespace amb {

HRESULT GetPropertyByName(IDispatch* object, const wchar_t* name, rt::Variant& out);
// collection(index): the default member called with one argument.
HRESULT GetItem(IDispatch* collection, LONG index, rt::Variant& out);
HRESULT GetAmbientProperty(IUnknown* site, DISPID id, rt::Variant& out);
// The object a member or an item holds; null when it is absent or holds no object.
rt::ComPtr<IDispatch> GetObjectByName(IDispatch* object, const wchar_t* name);
rt::ComPtr<IDispatch> GetItemObject(IDispatch* collection, LONG index);

}  // namespace amb
