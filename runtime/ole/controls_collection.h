#pragma once
// The collections of a form's object model, counted from 0, with For Each.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "automation.h"
#include "object_model_types.h"

namespace rt::ole {

// ParentControls (the form first) or the form's Controls: Count and Item(index or name).
class ControlsCollection final : public AutomationObject<ControlsCollection> {
 public:
  static const QITAB kInterfaceTable[];
  ControlsCollection(ModelAnchor model, bool withForm) : model_(std::move(model)), withForm_(withForm) {}

  HRESULT TypeInfo(ITypeInfo** info);
  const MemberInfo* Lookup(const wchar_t* name) const;
  const MemberInfo* Lookup(DISPID id) const;
  HRESULT Run(const MemberInfo& member, Call& call);

 private:
  std::vector<IDispatch*> Items() const;

  ModelAnchor model_;
  bool withForm_;
};

}  // namespace rt::ole
