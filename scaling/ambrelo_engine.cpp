// The members of _Ambrelo that reach the resize engine and the picture tools: recording and
// adjusting single controls, their flags entries, and the public picture methods.
#include "ambrelo_control.h"
#include "automation_error.h"
#include "dispatch_object.h"
#include "picture_tools.h"
#include "scoped_ole.h"
#include "wide_text.h"

namespace amb {
namespace {

// The object a Variant argument holds (by value or by reference), or null.
HostObjectPtr ObjectIn(const VARIANT* v) {
  if (!v) return nullptr;
  HostValue value = FromVariant(*v);
  const HostObjectPtr* p = std::get_if<HostObjectPtr>(&value);
  return p ? *p : nullptr;
}

HRESULT GivePicture(const HostObjectPtr& picture, IDispatch** result) {
  *result = DispatchOf(picture.get());
  if (*result) (*result)->AddRef();
  return S_OK;
}

// CenterPicture and TilePicture: a failure leaves the container's picture as it was; the method
// itself reports none.
HRESULT LayHostPicture(PictureTools& tools, IDispatch** container, IDispatch** picture, VARIANT* result,
                       PictureLayout layout) {
  if (!container || !picture) return E_POINTER;
  if (result) VariantInit(result);
  if (HostObjectPtr c = WrapDispatch(*container)) LayPicture(tools, *c, WrapDispatch(*picture), layout);
  return S_OK;
}

}  // namespace

HostObjectPtr Ambrelo::EngineSide::ParentControls() { return WrapDispatch(control_.formControls_.get()); }

HRESULT Ambrelo::RecordWith(VARIANT* ctrl, HostStatus (ResizeEngine::*step)(HostObject&)) {
  if (!ctrl) return E_POINTER;
  HostObjectPtr control = ObjectIn(ctrl);
  if (!control) return RaiseAutomationError(kErrObjectRequired);
  HostStatus s = (engine_.*step)(*control);
  return s ? S_OK : RaiseHostError(s);
}

// SaveControlInfo and UpdateControl record a control alike: Nothing is recorded under its key, "";
// any other value than an object is refused.
HRESULT Ambrelo::RecordControlIn(VARIANT* ctrl, HostStatus (ResizeEngine::*record)(HostObject*)) {
  if (!ctrl) return E_POINTER;
  HostValue value = FromVariant(*ctrl);
  const HostObjectPtr* control = std::get_if<HostObjectPtr>(&value);
  if (!control) return RaiseAutomationError(kErrObjectRequired);
  HostStatus s = (engine_.*record)(control->get());
  return s ? S_OK : RaiseHostError(s);
}

// The two sizes are accepted for the interface's sake; the record takes its container's own.
IFACEMETHODIMP Ambrelo::SaveControlInfo(VARIANT* ctrl, float*, float*) {
  return ComEntry([&] { return RecordControlIn(ctrl, &ResizeEngine::SaveControlInfo); });
}
IFACEMETHODIMP Ambrelo::UpdateControl(VARIANT* ctrl) {
  return ComEntry([&] { return RecordControlIn(ctrl, &ResizeEngine::UpdateControl); });
}
IFACEMETHODIMP Ambrelo::AdjustPosition(VARIANT* ctrl) {
  return ComEntry([&] { return RecordWith(ctrl, &ResizeEngine::AdjustPosition); });
}

// A control gives its control key, Nothing the key ""; any other value is the key as text (a
// stored key).
IFACEMETHODIMP Ambrelo::SaveControlFlags(VARIANT* ctrl) {
  return ComEntry([&]() -> HRESULT {
    if (!ctrl) return E_POINTER;
    HostValue value = FromVariant(*ctrl);
    if (const HostObjectPtr* object = std::get_if<HostObjectPtr>(&value)) {
      HostStatus s = engine_.SaveControlFlags(object->get());
      return s ? S_OK : RaiseHostError(s);
    }
    rt::Variant key;
    if (FAILED(key.ChangeTypeOf(*ctrl, VT_BSTR))) return RaiseAutomationError(kErrObjectNotSet);
    flagRecords_.Ensure(Utf8FromBstr(V_BSTR(key.get())));
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::ScalePicture(IDispatch** picture, double* xScale, double* yScale, IDispatch** result) {
  return ComEntry([&]() -> HRESULT {
    if (!picture || !xScale || !yScale || !result) return E_POINTER;
    return GivePicture(amb::ScalePicture(pictures_, WrapDispatch(*picture), *xScale, *yScale), result);
  });
}

IFACEMETHODIMP Ambrelo::SizePicture(IDispatch** picture, short* xSize, short* ySize, IDispatch** result) {
  return ComEntry([&]() -> HRESULT {
    if (!picture || !xSize || !ySize || !result) return E_POINTER;
    return GivePicture(amb::SizePicture(pictures_, WrapDispatch(*picture), *xSize, *ySize), result);
  });
}

IFACEMETHODIMP Ambrelo::CenterPicture(IDispatch** container, IDispatch** picture, VARIANT* result) {
  return ComEntry([&] { return LayHostPicture(pictures_, container, picture, result, PictureLayout::Center); });
}

IFACEMETHODIMP Ambrelo::TilePicture(IDispatch** container, IDispatch** picture, VARIANT* result) {
  return ComEntry([&] { return LayHostPicture(pictures_, container, picture, result, PictureLayout::Tile); });
}

}  // namespace amb
