#include "dispatch_host_form.h"

#include <cstdio>

#include "automation_error.h"
#include "late_bound.h"
#include "property_bag_adapter.h"
#include "wide_text.h"

namespace amb {
namespace {

constexpr const char* kNoSuchMember = "Object doesn't support this property or method";

// The value as the object gave it, in the nearest type a value of ours can hold.
HostStatus NaturalValue(const VARIANT& v, BagValue& out) {
  BagType type = BagType::Single;
  switch (V_VT(&v) & ~VT_BYREF) {
    case VT_BOOL: type = BagType::Boolean; break;
    case VT_I2: type = BagType::Integer; break;
    case VT_I1: case VT_UI1: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR:
      type = BagType::Long;
      break;
    case VT_BSTR: type = BagType::String; break;
    default: break;
  }
  if (FAILED(FromVariant(v, type, out))) return HostStatus::Failed("Type mismatch");
  return {};
}

}  // namespace

// A host's run-time error keeps its number: the exception's code, or its scode (in FACILITY_CONTROL
// the code alone; any other whole, as the platform's Err.Number shows it), or the returned HRESULT
// itself when the host gives its error so; an exception whose details are filled in on demand is
// filled in first. Without a description the number's own text stands.
HostStatus AutomationFailure(HRESULT hr, EXCEPINFO& info) {
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) {
      info.pfnDeferredFillIn(&info);
      info.pfnDeferredFillIn = nullptr;
    }
    int32_t number = info.wCode;
    if (!number && FAILED(info.scode))
      number = HRESULT_FACILITY(info.scode) == FACILITY_CONTROL ? HRESULT_CODE(info.scode) : static_cast<int32_t>(info.scode);
    std::string description = info.bstrDescription ? Utf8FromBstr(info.bstrDescription) : std::string();
    if (description.empty() && number) description = Utf8FromWide(StandardErrorText(number));
    if (!description.empty()) return HostStatus::Failed(description, number);
  } else if (HRESULT_FACILITY(hr) == FACILITY_CONTROL) {
    return HostStatus::Failed(Utf8FromWide(StandardErrorText(HRESULT_CODE(hr))), HRESULT_CODE(hr));
  }
  // The dispatch errors of an argument the member refused, as the platform numbers them.
  int32_t refused = hr == DISP_E_OVERFLOW       ? kErrOverflow
                    : hr == DISP_E_TYPEMISMATCH ? kErrTypeMismatch
                    : hr == DISP_E_BADINDEX     ? kErrSubscriptOutOfRange
                                                : 0;
  if (refused) return HostStatus::Failed(Utf8FromWide(StandardErrorText(refused)), refused);
  if (hr == DISP_E_MEMBERNOTFOUND || hr == DISP_E_UNKNOWNNAME) return HostStatus::Failed(kNoSuchMember);
  char text[48];
  std::snprintf(text, sizeof text, "Automation error 0x%08lX", static_cast<unsigned long>(hr));
  return HostStatus::Failed(text);
}

HostStatus InvokeMember(IDispatch* object, DISPID id, WORD flags, std::vector<BagValue>& args, BagValue* result) {
  // Each argument lives in a VARIANT of its own, reached by reference; the list goes last first.
  rt::VariantArray values(args.size()), refs(args.size());
  for (size_t i = 0; i < args.size(); ++i) ToVariant(args[i], &values[i]);
  for (size_t i = 0; i < args.size(); ++i) {
    VARIANT& ref = refs[args.size() - 1 - i];
    V_VT(&ref) = VT_VARIANT | VT_BYREF;
    V_VARIANTREF(&ref) = &values[i];
  }
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{refs.data(), nullptr, refs.count(), 0};
  if (flags == DISPATCH_PROPERTYPUT) {
    params.rgdispidNamedArgs = &named;
    params.cNamedArgs = 1;
    params.rgvarg = values.data();  // a property's new value goes by value
  }
  rt::Variant out;
  rt::ExcepInfo info;
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result ? out.get() : nullptr,
                              info.get(), nullptr);
  HostStatus status = SUCCEEDED(hr) ? HostStatus{} : AutomationFailure(hr, *info.get());
  if (status && flags != DISPATCH_PROPERTYPUT) {
    for (size_t i = 0; i < args.size(); ++i) NaturalValue(values[i], args[i]);
  }
  if (status && result) status = NaturalValue(*out, *result);
  return status;
}

HostStatus DispatchHostForm::IdOf(std::string_view member, DISPID& id) {
  if (!form_) return HostStatus::Failed("Object variable or With block variable not set");
  auto it = ids_.find(member);
  if (it != ids_.end()) {
    id = it->second;
    return {};
  }
  std::wstring name = WideFromUtf8(member);
  LPOLESTR names[] = {name.data()};
  HRESULT hr = form_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return HostStatus::Failed(kNoSuchMember);
  ids_.emplace(std::string(member), id);
  return {};
}

HostStatus DispatchHostForm::Get(std::string_view member, BagValue& out) {
  DISPID id;
  HostStatus s = IdOf(member, id);
  std::vector<BagValue> none;
  return s ? InvokeMember(form_.get(), id, DISPATCH_PROPERTYGET, none, &out) : s;
}

HostStatus DispatchHostForm::Let(std::string_view member, const BagValue& value) {
  DISPID id;
  HostStatus s = IdOf(member, id);
  std::vector<BagValue> args = {value};
  return s ? InvokeMember(form_.get(), id, DISPATCH_PROPERTYPUT, args, nullptr) : s;
}

HostStatus DispatchHostForm::Call(std::string_view member, std::vector<BagValue>& args, BagValue* result) {
  DISPID id;
  HostStatus s = IdOf(member, id);
  return s ? InvokeMember(form_.get(), id, DISPATCH_METHOD, args, result) : s;
}

const std::string& DispatchHostForm::TypeName() {
  if (typeName_) return *typeName_;
  typeName_.emplace();
  rt::ComPtr<ITypeInfo> info;
  rt::Bstr name;
  if (form_ && SUCCEEDED(form_->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) && info &&
      SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr)))
    *typeName_ = Utf8FromBstr(name.get());
  return *typeName_;
}

size_t DispatchHostControls::Count() {
  rt::Variant v;
  if (collection_ && SUCCEEDED(GetPropertyByName(collection_.get(), L"Count", v)) && SUCCEEDED(v.ChangeType(VT_I4)) &&
      V_I4(v.get()) > 0)
    return static_cast<size_t>(V_I4(v.get()));
  return 0;
}

HostStatus DispatchHostControls::CallOnItem(size_t index, std::string_view member, std::vector<BagValue>& args) {
  rt::ComPtr<IDispatch> item = GetItemObject(collection_.get(), static_cast<LONG>(index));
  if (!item) return HostStatus::Failed(kNoSuchMember);
  DispatchHostForm object{std::move(item)};
  return object.Call(member, args, nullptr);
}

}  // namespace amb
