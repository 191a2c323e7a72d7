#include "event_sink.h"

namespace rt::ole {

HRESULT DefaultSourceTypeInfo(IProvideClassInfo& object, ITypeInfo** source) {
  rt::ComPtr<ITypeInfo> coclass;
  HRESULT hr = object.GetClassInfo(coclass.put());
  if (FAILED(hr)) return hr;
  TYPEATTR* attr = nullptr;
  if (FAILED(hr = coclass->GetTypeAttr(&attr))) return hr;
  WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  constexpr INT kDefaultSource = IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE;
  for (UINT i = 0; i < count; ++i) {
    INT flags = 0;
    HREFTYPE ref = 0;
    if (SUCCEEDED(coclass->GetImplTypeFlags(i, &flags)) && (flags & kDefaultSource) == kDefaultSource &&
        SUCCEEDED(coclass->GetRefTypeOfImplType(i, &ref)))
      return coclass->GetRefTypeInfo(ref, source);
  }
  return TYPE_E_ELEMENTNOTFOUND;
}

}  // namespace rt::ole
