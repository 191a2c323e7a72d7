#pragma once
// IDispatch over a table of members answered by name at run time: the objects of the form object
// model. Arguments arrive first-first with by-reference values followed to their targets; a
// member that fails raises an error with the number and text a caller of the platform would read.
#include <windows.h>
#include <oaidl.h>

#include <span>
#include <string>

#include "com_object.h"
#include "scoped_ole.h"
#include "scoped_win.h"
#include "type_info_dispatch.h"

namespace rt::ole {

enum class MemberKind { Property, ReadOnly, Method };

struct MemberInfo {
  const wchar_t* name;
  DISPID id;
  MemberKind kind;
};

enum class Access { Get, Put, Call };

// The platform's run-time error numbers, as Automation errors 0x800A00nn / 0x800A0nnn.
enum class RuntimeError : int {
  InvalidCall = 5,
  Overflow = 6,
  SubscriptOutOfRange = 9,
  TypeMismatch = 13,
  ObjectRequired = 424,
  NoSuchMember = 438,
  InvalidPropertyValue = 380,
  ReadOnly = 383,
  WriteOnly = 394,
  NotAnArray = 343,
};

// One call's arguments and result.
class Call {
 public:
  Call(DISPPARAMS* params, VARIANT* result, Access access) : params_(params), result_(result), access_(access) {}
  Access access() const { return access_; }
  size_t Count() const;  // the arguments, without a put's new value
  bool Has(size_t i) const;  // given and not a missing optional one
  VARIANT* Arg(size_t i) const;  // the value itself (followed through VT_BYREF|VT_VARIANT)
  const VARIANT* NewValue() const;  // the value a put assigns

  // Conversions that fail with TypeMismatch (set by the member as its outcome).
  bool Double(size_t i, double& out);
  bool Long(size_t i, LONG& out);
  bool Bool(size_t i, bool& out);
  bool Text(size_t i, std::string& out);
  bool NewDouble(double& out);
  bool NewLong(LONG& out);
  bool NewBool(bool& out);
  bool NewText(std::string& out);

  HRESULT Return(double value);
  HRESULT Return(LONG value);
  HRESULT ReturnInteger(short value);
  HRESULT ReturnBool(bool value);
  HRESULT Return(const std::string& text);
  HRESULT Return(IDispatch* object);  // Nothing when null
  VARIANT* Result() const { return result_; }

  HRESULT Fail(RuntimeError error);
  HRESULT Fail(RuntimeError error, const std::string& description);
  const std::string& Description() const { return description_; }
  HRESULT Scode() const { return scode_; }

 private:
  DISPPARAMS* params_;
  VARIANT* result_;
  Access access_;
  std::string description_;
  HRESULT scode_ = S_OK;
};

// The default text of a run-time error.
std::string RuntimeErrorText(RuntimeError error);

// Looks a name up in the table (letter case ignored).
const MemberInfo* FindMember(std::span<const MemberInfo> members, const wchar_t* name);
const MemberInfo* FindMember(std::span<const MemberInfo> members, DISPID id);

// The whole of IDispatch::Invoke for a member table; run does the member's work.
template <class Run>
HRESULT InvokeMember(const MemberInfo* member, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                     Run&& run);
HRESULT FinishInvoke(const Call& call, HRESULT hr, EXCEPINFO* info);
Access AccessOf(const MemberInfo& member, WORD flags);

template <class Run>
HRESULT InvokeMember(const MemberInfo* member, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                     Run&& run) {
  if (!member) return DISP_E_MEMBERNOTFOUND;
  if (!params) return E_INVALIDARG;
  rt::Variant ignored;
  Call call(params, result ? result : ignored.get(), AccessOf(*member, flags));
  if (result) VariantInit(result);
  HRESULT hr = S_OK;
  if (call.access() == Access::Put && member->kind != MemberKind::Property) {
    hr = call.Fail(member->kind == MemberKind::ReadOnly ? RuntimeError::ReadOnly : RuntimeError::NoSuchMember);
  } else {
    hr = run(*member, call);
  }
  return FinishInvoke(call, hr, info);
}

// IDispatch for a class that lists its members; Derived gives Members(), TypeInfo() and
// Run(member, call).
template <class Derived, class... More>
class AutomationObject : public ComObject<Derived, OneTypeInfo<IDispatch, Derived>, More...> {
 public:
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!names || !ids || count == 0) return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return ComEntry([&] {
      const MemberInfo* member = static_cast<Derived*>(this)->Lookup(names[0]);
      if (!member) return DISP_E_UNKNOWNNAME;
      ids[0] = member->id;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;  // members take no named arguments
    });
  }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                        UINT*) override {
    Derived* self = static_cast<Derived*>(this);
    return InvokeEntry(info, [&] {
      return InvokeMember(self->Lookup(id), flags, params, result, info,
                          [&](const MemberInfo& m, Call& call) { return self->Run(m, call); });
    });
  }
};

}  // namespace rt::ole
