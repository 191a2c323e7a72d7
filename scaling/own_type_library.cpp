#include "own_type_library.h"

#include <string>

#include "com_module.h"
#include "scoped_win.h"

namespace amb {

HRESULT LoadOwnTypeLib(ITypeLib** lib) {
  std::wstring path = ModulePath();
  if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
  return LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib);
}

HRESULT LoadOwnTypeInfo(REFGUID guid, ITypeInfo** info) {
  rt::ComPtr<ITypeLib> lib;
  HRESULT hr = LoadOwnTypeLib(lib.put());
  if (FAILED(hr)) return hr;
  return lib->GetTypeInfoOfGuid(guid, info);
}

}  // namespace amb
