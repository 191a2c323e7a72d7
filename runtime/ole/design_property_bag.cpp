#include "design_property_bag.h"

#include <string>

#include "text_encoding.h"

namespace rt::ole {
const QITAB DesignPropertyBag::kInterfaceTable[] = {
    QITABENT(DesignPropertyBag, IPropertyBag),
    {nullptr, 0},
};

// A name the design does not hold answers E_INVALIDARG, as bags do, so the control keeps its default.
IFACEMETHODIMP DesignPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
  if (!name || !value) return E_POINTER;
  for (const PropertyDesign& p : values_) {
    if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, WideFromUtf8(p.name).c_str(), -1, name, -1) != CSTR_EQUAL)
      continue;
    VARTYPE wanted = V_VT(value);
    VARIANT text;
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(WideFromUtf8(p.value ? p.value : "").c_str());
    if (!V_BSTR(&text)) return E_OUTOFMEMORY;
    if (wanted == VT_EMPTY || wanted == VT_BSTR) {
      *value = text;
      return S_OK;
    }
    VariantInit(value);
    HRESULT hr = VariantChangeType(value, &text, 0, wanted);
    VariantClear(&text);
    return hr;
  }
  return E_INVALIDARG;
}

// The design is fixed while the program runs.
IFACEMETHODIMP DesignPropertyBag::Write(LPCOLESTR, VARIANT*) { return E_NOTIMPL; }

}  // namespace rt::ole
