#include "dispatch_object.h"

#include <cstring>
#include <memory>

#include "dispatch_host_form.h"
#include "scoped_ole.h"
#include "wide_text.h"

namespace amb {
namespace {

constexpr const char* kNoSuchMember = "Object doesn't support this property or method";

// The dispatch ids of each class met on this thread, by the class's type GUID: a host that hands
// out a new type description for every object still fills one entry per class. The table lives
// as long as the thread's hosts.
struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof a) < 0; }
};
using ClassIds = std::map<std::string, std::optional<DISPID>, std::less<>>;
std::map<GUID, ClassIds, GuidLess>& ClassTable() {
  thread_local auto* table = new std::map<GUID, ClassIds, GuidLess>();
  return *table;
}

}  // namespace

void ToVariant(const HostValue& value, VARIANT* out) {
  VariantInit(out);
  if (const bool* b = std::get_if<bool>(&value)) {
    V_VT(out) = VT_BOOL;
    V_BOOL(out) = *b ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (const double* d = std::get_if<double>(&value)) {
    V_VT(out) = VT_R8;
    V_R8(out) = *d;
  } else if (const std::string* s = std::get_if<std::string>(&value)) {
    V_VT(out) = VT_BSTR;
    V_BSTR(out) = AllocBstr(*s);
  } else if (const HostObjectPtr* p = std::get_if<HostObjectPtr>(&value)) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = DispatchOf(p->get());
    if (V_DISPATCH(out)) V_DISPATCH(out)->AddRef();
  } else {  // an omitted optional argument
    V_VT(out) = VT_ERROR;
    V_ERROR(out) = DISP_E_PARAMNOTFOUND;
  }
}

HostValue FromVariant(const VARIANT& in) {
  rt::Variant v;
  if (FAILED(VariantCopyInd(v.get(), const_cast<VARIANT*>(&in)))) return {};
  switch (v.vt()) {
    case VT_EMPTY:
    case VT_NULL: return {};
    case VT_BOOL: return V_BOOL(v.get()) != VARIANT_FALSE;
    case VT_BSTR: return Utf8FromBstr(V_BSTR(v.get()));
    case VT_DISPATCH: return WrapDispatch(V_DISPATCH(v.get()));
    case VT_UNKNOWN: {
      rt::ComPtr<IDispatch> d;
      if (V_UNKNOWN(v.get())) V_UNKNOWN(v.get())->QueryInterface(IID_IDispatch, d.put_void());
      return WrapDispatch(d.get());
    }
    default:
      if (SUCCEEDED(v.ChangeType(VT_R8))) return V_R8(v.get());
      return {};
  }
}

HostObjectPtr WrapDispatch(IDispatch* object) {
  if (!object) return nullptr;
  return std::make_shared<DispatchObject>(rt::ComPtr<IDispatch>(object));
}

IDispatch* DispatchOf(HostObject* object) {
  auto* d = dynamic_cast<DispatchObject*>(object);
  return d ? d->Object() : nullptr;
}

DispatchObject::DispatchObject(rt::ComPtr<IDispatch> object, bool perObjectIds)
    : object_(std::move(object)), ids_(&own_) {
  object_->QueryInterface(IID_IUnknown, identity_.put_void());
  rt::ComPtr<ITypeInfo> info;
  if (SUCCEEDED(object_->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) && info) {
    TYPEATTR* attr = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attr)) && attr) {
      if (!perObjectIds && !IsEqualGUID(attr->guid, GUID_NULL)) ids_ = &ClassTable()[attr->guid];
      info->ReleaseTypeAttr(attr);
    }
    rt::Bstr name;
    if (SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr)))
      typeName_ = Utf8FromBstr(name.get());
  }
}

std::string DispatchObject::TypeName() { return typeName_.value_or(std::string()); }

HostStatus DispatchObject::IdOf(std::string_view member, DISPID& id) {
  auto it = ids_->find(member);
  if (it == ids_->end()) {
    std::wstring name = WideFromUtf8(member);
    LPOLESTR names[] = {name.data()};
    DISPID found = DISPID_UNKNOWN;
    HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &found);
    std::optional<DISPID> entry;
    if (SUCCEEDED(hr)) entry = found;
    it = ids_->emplace(std::string(member), entry).first;
  }
  if (!it->second) return HostStatus::Failed(kNoSuchMember);
  id = *it->second;
  return {};
}

// Arguments go by value, last first; a property's new value is the named argument.
HostStatus DispatchObject::Invoke(std::string_view member, WORD flags, const std::vector<HostValue>& args,
                                  HostValue* result) {
  DISPID id;
  HostStatus s = IdOf(member, id);
  if (!s && member == "Item") s = {}, id = DISPID_VALUE;  // collections that only offer a default member
  if (!s) return s;
  rt::VariantArray values(args.size());
  for (size_t i = 0; i < args.size(); ++i) ToVariant(args[i], &values[args.size() - 1 - i]);
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{values.data(), nullptr, values.count(), 0};
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
  }
  rt::Variant out;
  rt::ExcepInfo info;
  HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result ? out.get() : nullptr,
                               info.get(), nullptr);
  s = SUCCEEDED(hr) ? HostStatus{} : AutomationFailure(hr, *info);
  if (s && result) *result = FromVariant(*out);
  return s;
}

HostStatus DispatchObject::Get(std::string_view member, HostValue& out) {
  return Invoke(member, DISPATCH_PROPERTYGET, {}, &out);
}

// Objects are set by reference where the member allows it, by value otherwise.
HostStatus DispatchObject::Let(std::string_view member, const HostValue& value) {
  if (std::holds_alternative<HostObjectPtr>(value)) {
    HostStatus s = Invoke(member, DISPATCH_PROPERTYPUTREF, {value}, nullptr);
    if (s) return s;
  }
  return Invoke(member, DISPATCH_PROPERTYPUT, {value}, nullptr);
}

HostStatus DispatchObject::Call(std::string_view member, const std::vector<HostValue>& args, HostValue* result) {
  return Invoke(member, DISPATCH_METHOD, args, result);
}

HostStatus DispatchObject::GetAt(std::string_view member, const HostValue& index, HostValue& out) {
  return Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {index}, &out);
}

HostStatus DispatchObject::LetAt(std::string_view member, const HostValue& index, const HostValue& value) {
  if (std::holds_alternative<HostObjectPtr>(value)) {
    HostStatus s = Invoke(member, DISPATCH_PROPERTYPUTREF, {index, value}, nullptr);
    if (s) return s;
  }
  return Invoke(member, DISPATCH_PROPERTYPUT, {index, value}, nullptr);
}

}  // namespace amb
