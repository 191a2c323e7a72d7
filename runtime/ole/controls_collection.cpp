#include "controls_collection.h"

#include <new>

#include "controls.h"
#include "form_model.h"
#include "snapshot_enum.h"

namespace rt::ole {

namespace {

constexpr MemberInfo kCollectionMembers[] = {
    {L"Item", DISPID_VALUE, MemberKind::ReadOnly},
    {L"Count", 1, MemberKind::ReadOnly},
    {L"_NewEnum", DISPID_NEWENUM, MemberKind::ReadOnly},
};

}  // namespace

const QITAB ControlsCollection::kInterfaceTable[] = {
    QITABENT(ControlsCollection, IDispatch),
    {nullptr, 0},
};

HRESULT ControlsCollection::TypeInfo(ITypeInfo** info) {
  return DispatchTypeInfo(withForm_ ? L"ParentControls" : L"Controls", kCollectionMembers, info);
}
const MemberInfo* ControlsCollection::Lookup(const wchar_t* name) const { return FindMember(kCollectionMembers, name); }
const MemberInfo* ControlsCollection::Lookup(DISPID id) const { return FindMember(kCollectionMembers, id); }

std::vector<IDispatch*> ControlsCollection::Items() const {
  std::vector<IDispatch*> items;
  FormModel* model = *model_;
  if (!model) return items;
  if (withForm_) items.push_back(model->FormDispatch());
  for (Control* c : model->ControlsInPreOrder()) items.push_back(model->ObjectOf(*c));
  return items;
}

// Items count from 0; a name finds the first control of that name.
HRESULT ControlsCollection::Run(const MemberInfo& member, Call& call) {
  if (!*model_) return call.Fail(RuntimeError::ObjectRequired);
  std::vector<IDispatch*> items = Items();
  if (member.id == 1) return call.Return(static_cast<LONG>(items.size()));
  if (member.id == DISPID_NEWENUM) {
    // For Each: the items as they were when the loop began.
    std::vector<VARIANT> each(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      V_VT(&each[i]) = VT_DISPATCH;
      V_DISPATCH(&each[i]) = items[i];
    }
    rt::ComPtr<IEnumVARIANT> enumerator;
    HRESULT hr = CreateComObject<SnapshotEnum<IEnumVARIANT, VARIANT>>(IID_IEnumVARIANT, enumerator.put_void(), each);
    if (FAILED(hr)) return hr;
    V_VT(call.Result()) = VT_UNKNOWN;
    V_UNKNOWN(call.Result()) = enumerator.detach();
    return S_OK;
  }
  if (!call.Has(0)) return call.Fail(RuntimeError::InvalidCall);
  VARIANT* key = call.Arg(0);
  if (V_VT(key) == VT_BSTR || V_VT(key) == (VT_BSTR | VT_BYREF)) {
    std::string name;
    if (!call.Text(0, name)) return DISP_E_EXCEPTION;
    std::vector<Control*> controls = (*model_)->ControlsInPreOrder();
    for (Control* c : controls)
      if (c->Is(name)) return call.Return((*model_)->ObjectOf(*c));
    return call.Fail(RuntimeError::InvalidCall, "Control array element '" + name + "' doesn't exist");
  }
  LONG index = 0;
  if (!call.Long(0, index)) return DISP_E_EXCEPTION;
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return call.Fail(RuntimeError::SubscriptOutOfRange);
  return call.Return(items[static_cast<size_t>(index)]);
}

}  // namespace rt::ole
