#include "design_property_bag.h"

#include <string>

#include "scoped_ole.h"
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
    rt::Variant text;
    V_BSTR(text.get()) = SysAllocString(WideFromUtf8(p.value ? p.value : "").c_str());
    if (!V_BSTR(text.get())) return E_OUTOFMEMORY;
    V_VT(text.get()) = VT_BSTR;
    if (wanted != VT_EMPTY && wanted != VT_BSTR) {
      HRESULT hr = text.ChangeType(wanted);
      if (FAILED(hr)) {
        VariantInit(value);  // only the type was asked for in it
        return hr;
      }
    }
    *value = text.release();
    return S_OK;
  }
  return E_INVALIDARG;
}

// The design is fixed while the program runs.
IFACEMETHODIMP DesignPropertyBag::Write(LPCOLESTR, VARIANT*) { return E_NOTIMPL; }

}  // namespace rt::ole
