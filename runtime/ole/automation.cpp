#include "automation.h"

#include <string>

#include "text_encoding.h"

namespace rt::ole {
std::string RuntimeErrorText(RuntimeError error) {
  switch (error) {
    case RuntimeError::InvalidCall: return "Invalid procedure call or argument";
    case RuntimeError::Overflow: return "Overflow";
    case RuntimeError::SubscriptOutOfRange: return "Subscript out of range";
    case RuntimeError::TypeMismatch: return "Type mismatch";
    case RuntimeError::ObjectRequired: return "Object required";
    case RuntimeError::NoSuchMember: return "Object doesn't support this property or method";
    case RuntimeError::InvalidPropertyValue: return "Invalid property value";
    case RuntimeError::ReadOnly: return "Property is read-only";
    case RuntimeError::WriteOnly: return "Property is write-only";
    case RuntimeError::NotAnArray: return "Object not an array";
  }
  return "Application-defined or object-defined error";
}

size_t Call::Count() const {
  size_t n = params_->cArgs;
  return access_ == Access::Put && n > 0 ? n - 1 : n;
}

VARIANT* Call::Arg(size_t i) const {
  if (i >= Count()) return nullptr;
  VARIANT* v = &params_->rgvarg[params_->cArgs - 1 - i];
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  return v;
}

bool Call::Has(size_t i) const {
  VARIANT* v = Arg(i);
  return v && !(V_VT(v) == VT_ERROR && V_ERROR(v) == DISP_E_PARAMNOTFOUND) && V_VT(v) != VT_EMPTY;
}

const VARIANT* Call::NewValue() const {
  if (access_ != Access::Put || params_->cArgs == 0) return nullptr;
  VARIANT* v = &params_->rgvarg[0];
  if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
  return v;
}

namespace {

// The argument converted to type; false when it is missing or does not convert.
bool Changed(const VARIANT* from, VARTYPE type, rt::Variant& to) {
  return from && SUCCEEDED(to.ChangeTypeOf(*from, type));
}

bool ToDouble(const VARIANT* v, double& out) {
  rt::Variant c;
  if (!Changed(v, VT_R8, c)) return false;
  out = V_R8(c.get());
  return true;
}
bool ToLong(const VARIANT* v, LONG& out) {
  rt::Variant c;
  if (!Changed(v, VT_I4, c)) return false;
  out = V_I4(c.get());
  return true;
}
bool ToBool(const VARIANT* v, bool& out) {
  rt::Variant c;
  if (!Changed(v, VT_BOOL, c)) return false;
  out = V_BOOL(c.get()) != VARIANT_FALSE;
  return true;
}
bool ToText(const VARIANT* v, std::string& out) {
  rt::Variant c;
  if (!Changed(v, VT_BSTR, c)) return false;
  BSTR text = V_BSTR(c.get());
  out = text ? Utf8FromWide(std::wstring_view(text, SysStringLen(text))) : std::string();
  return true;
}

}  // namespace

bool Call::Double(size_t i, double& out) { return ToDouble(Arg(i), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::Long(size_t i, LONG& out) { return ToLong(Arg(i), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::Bool(size_t i, bool& out) { return ToBool(Arg(i), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::Text(size_t i, std::string& out) { return ToText(Arg(i), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::NewDouble(double& out) { return ToDouble(NewValue(), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::NewLong(LONG& out) { return ToLong(NewValue(), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::NewBool(bool& out) { return ToBool(NewValue(), out) || (Fail(RuntimeError::TypeMismatch), false); }
bool Call::NewText(std::string& out) { return ToText(NewValue(), out) || (Fail(RuntimeError::TypeMismatch), false); }

HRESULT Call::Return(double value) {
  V_VT(result_) = VT_R8;
  V_R8(result_) = value;
  return S_OK;
}
HRESULT Call::Return(LONG value) {
  V_VT(result_) = VT_I4;
  V_I4(result_) = value;
  return S_OK;
}
HRESULT Call::ReturnInteger(short value) {
  V_VT(result_) = VT_I2;
  V_I2(result_) = value;
  return S_OK;
}
HRESULT Call::ReturnBool(bool value) {
  V_VT(result_) = VT_BOOL;
  V_BOOL(result_) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}
HRESULT Call::Return(const std::string& text) {
  std::wstring wide = WideFromUtf8(text);
  BSTR b = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  if (!b) return E_OUTOFMEMORY;
  V_VT(result_) = VT_BSTR;
  V_BSTR(result_) = b;
  return S_OK;
}
HRESULT Call::Return(IDispatch* object) {
  V_VT(result_) = VT_DISPATCH;
  V_DISPATCH(result_) = object;
  if (object) object->AddRef();
  return S_OK;
}

HRESULT Call::Fail(RuntimeError error) { return Fail(error, RuntimeErrorText(error)); }

HRESULT Call::Fail(RuntimeError error, const std::string& description) {
  scode_ = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, static_cast<int>(error));
  description_ = description;
  return DISP_E_EXCEPTION;
}

const MemberInfo* FindMember(std::span<const MemberInfo> members, const wchar_t* name) {
  if (!name) return nullptr;
  for (const MemberInfo& m : members)
    if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, m.name, -1, name, -1) == CSTR_EQUAL) return &m;
  return nullptr;
}

const MemberInfo* FindMember(std::span<const MemberInfo> members, DISPID id) {
  for (const MemberInfo& m : members)
    if (m.id == id) return &m;
  return nullptr;
}

// A property read with arguments (an indexed property) comes as a get; a method reached as a
// property still runs.
Access AccessOf(const MemberInfo& member, WORD flags) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return Access::Put;
  return member.kind == MemberKind::Method ? Access::Call : Access::Get;
}

HRESULT FinishInvoke(const Call& call, HRESULT hr, EXCEPINFO* info) {
  if (hr != DISP_E_EXCEPTION) return hr;
  if (info) {
    *info = EXCEPINFO{};
    info->scode = call.Scode();
    std::wstring text = WideFromUtf8(call.Description());
    info->bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    info->bstrSource = SysAllocString(L"Form runtime");
  }
  return DISP_E_EXCEPTION;
}

}  // namespace rt::ole
