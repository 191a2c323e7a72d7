#pragma once
// The design-time property values of a COM control as the property bag it reads at load: each
// value is the design's text, converted to the type the control asks for.
#include <windows.h>
#include <ocidl.h>

#include <span>

#include "com_object.h"
#include "design.h"

namespace rt::ole {

class DesignPropertyBag final : public ComObject<DesignPropertyBag, IPropertyBag> {
 public:
  static const QITAB kInterfaceTable[];
  explicit DesignPropertyBag(std::span<const PropertyDesign> values) : values_(values) {}

  IFACEMETHODIMP Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
  IFACEMETHODIMP Write(LPCOLESTR name, VARIANT* value) override;

 private:
  std::span<const PropertyDesign> values_;
};

}  // namespace rt::ole
