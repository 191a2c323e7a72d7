#pragma once
// A control of a form as an Automation object, with the members its kind has (a failed look-up
// means the kind has no such member). For a COM control it is the extender: the container's
// members (Name, Index, Parent, Container, Object and the position), then the control's own.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

#include "automation.h"
#include "object_model_types.h"

namespace rt {
class Control;
}

namespace rt::ole {

class ControlObject final : public AutomationObject<ControlObject> {
 public:
  static const QITAB kInterfaceTable[];
  ControlObject(ModelAnchor model, Control& control);
  Control* Live() const;  // the control while its form is loaded


  IFACEMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
  IFACEMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* info, UINT* argError) override;

  // For AutomationObject
  HRESULT TypeInfo(ITypeInfo** info);
  const MemberInfo* Lookup(const wchar_t* name) const;
  const MemberInfo* Lookup(DISPID id) const;
  HRESULT Run(const MemberInfo& member, Call& call);

 private:
  IDispatch* ControlDispatch() const;
  HRESULT RunPlace(const MemberInfo& member, Call& call, Control& control);
  HRESULT RunLook(const MemberInfo& member, Call& call, Control& control);
  HRESULT RunContent(const MemberInfo& member, Call& call, Control& control);
  HRESULT RunDrawing(const MemberInfo& member, Call& call, Control& box);

  ModelAnchor model_;
  Control* control_;
  // Names the COM control answers itself, by the id the extender gave them.
};

}  // namespace rt::ole
