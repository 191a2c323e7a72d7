#pragma once
// A control's font by Automation; it reaches the control through the control's object.
#include <windows.h>
#include <oaidl.h>

#include "automation.h"
#include "control_object.h"

namespace rt::ole {

// The font of a control: Name, Size, Bold, Italic, Underline.
class FontObject final : public AutomationObject<FontObject> {
 public:
  static const QITAB kInterfaceTable[];
  explicit FontObject(ControlObject& owner) : owner_(&owner) {}

  HRESULT TypeInfo(ITypeInfo** info);
  const MemberInfo* Lookup(const wchar_t* name) const;
  const MemberInfo* Lookup(DISPID id) const;
  HRESULT Run(const MemberInfo& member, Call& call);

 private:
  rt::ComPtr<ControlObject> owner_;
};

}  // namespace rt::ole
