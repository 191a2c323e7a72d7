#pragma once
// The form as an Automation object: its members by name, its class description and, through its
// connection point, its events Load, Resize, Unload, Activate and Deactivate.
#include <windows.h>
#include <ocidl.h>

#include "automation.h"
#include "connection_point.h"
#include "object_model_types.h"

namespace rt {
class Form;
}

namespace rt::ole {

class FormObject final : public AutomationObject<FormObject, IProvideClassInfo2, IConnectionPointContainer> {
 public:
  static const QITAB kInterfaceTable[];
  explicit FormObject(ModelAnchor model) : model_(std::move(model)), events_(*this, DIID_FormEvents, /*orDispatch=*/true) {}

  void DropSinks() { events_.DropAll(); }
  void Fire(DISPID id, DISPPARAMS& params) { events_.Fire(id, params); }

  // For AutomationObject
  HRESULT TypeInfo(ITypeInfo** info);
  const MemberInfo* Lookup(const wchar_t* name) const;
  const MemberInfo* Lookup(DISPID id) const;
  HRESULT Run(const MemberInfo& member, Call& call);

  IFACEMETHODIMP GetClassInfo(ITypeInfo** info) override;
  IFACEMETHODIMP GetGUID(DWORD kind, GUID* guid) override;
  IFACEMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
  IFACEMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

 private:
  HRESULT RunPosition(const MemberInfo& member, Call& call, Form& form);
  HRESULT RunScale(const MemberInfo& member, Call& call, Form& form);
  HRESULT RunPicture(Call& call, Form& form);
  HRESULT RunMethod(const MemberInfo& member, Call& call, Form& form);
  HRESULT RunDrawing(const MemberInfo& member, Call& call, Form& form);

  ModelAnchor model_;
  ConnectionPoint events_;
};

}  // namespace rt::ole
