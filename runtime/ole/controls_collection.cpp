#include "controls_collection.h"

#include <new>

#include "controls.h"
#include "form_model.h"

namespace rt::ole {

namespace {

constexpr MemberInfo kCollectionMembers[] = {
    {L"Item", DISPID_VALUE, MemberKind::ReadOnly},
    {L"Count", 1, MemberKind::ReadOnly},
    {L"_NewEnum", DISPID_NEWENUM, MemberKind::ReadOnly},
};

// For Each over a collection: its items as they were when the loop began.
class ItemEnum final : public ComBase<ItemEnum, IEnumVARIANT> {
 public:
  static const QITAB kInterfaceTable[];
  ItemEnum(std::vector<IDispatch*> items, size_t position) : items_(std::move(items)), position_(position) {
    for (IDispatch* item : items_) item->AddRef();
  }
  IFACEMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) override {
    if (!out || (count > 1 && !fetched)) return E_POINTER;
    ULONG n = 0;
    for (; n < count && position_ < items_.size(); ++n, ++position_) {
      V_VT(&out[n]) = VT_DISPATCH;
      V_DISPATCH(&out[n]) = items_[position_];
      items_[position_]->AddRef();
    }
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  IFACEMETHODIMP Skip(ULONG count) override {
    size_t left = items_.size() - position_;
    position_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  IFACEMETHODIMP Reset() override {
    position_ = 0;
    return S_OK;
  }
  IFACEMETHODIMP Clone(IEnumVARIANT** out) override {
    if (!out) return E_POINTER;
    *out = new (std::nothrow) ItemEnum(items_, position_);
    return *out ? S_OK : E_OUTOFMEMORY;
  }

 private:
  ~ItemEnum() override {
    for (IDispatch* item : items_) item->Release();
  }
  std::vector<IDispatch*> items_;
  size_t position_;
};

const QITAB ItemEnum::kInterfaceTable[] = {
    QITABENT(ItemEnum, IEnumVARIANT),
    {nullptr, 0},
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
    IEnumVARIANT* each = new (std::nothrow) ItemEnum(std::move(items), 0);
    if (!each) return E_OUTOFMEMORY;
    V_VT(call.Result()) = VT_UNKNOWN;
    V_UNKNOWN(call.Result()) = each;
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
