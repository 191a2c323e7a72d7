#include "error_object.h"

#include <new>

#include "ole/automation.h"
#include "ole/object_model_types.h"

namespace amb {
namespace {

using rt::ole::Access;
using rt::ole::Call;
using rt::ole::MemberInfo;
using rt::ole::MemberKind;

enum ErrorMember : DISPID { kNumber = DISPID_VALUE, kDescription = 1, kSource, kHelpFile, kHelpContext };

constexpr MemberInfo kMembers[] = {
    {L"Number", kNumber, MemberKind::Property},          {L"Description", kDescription, MemberKind::Property},
    {L"Source", kSource, MemberKind::Property},          {L"HelpFile", kHelpFile, MemberKind::Property},
    {L"HelpContext", kHelpContext, MemberKind::Property},
};

// The host may write to it, as to the platform's own; what it writes stays with this object.
class ErrorObject final : public rt::ole::AutomationObject<ErrorObject> {
 public:
  static const QITAB kInterfaceTable[];
  ErrorObject(int32_t number, std::string description) : number_(number), description_(std::move(description)) {}

  HRESULT TypeInfo(ITypeInfo** info) { return rt::ole::DispatchTypeInfo(L"ErrObject", kMembers, info); }
  const MemberInfo* Lookup(const wchar_t* name) const { return rt::ole::FindMember(kMembers, name); }
  const MemberInfo* Lookup(DISPID id) const { return rt::ole::FindMember(kMembers, id); }
  HRESULT Run(const MemberInfo& member, Call& call) {
    bool put = call.access() == Access::Put;
    switch (member.id) {
      case kNumber:
      case kHelpContext: {
        LONG& value = member.id == kNumber ? number_ : helpContext_;
        if (!put) return call.Return(value);
        return call.NewLong(value) ? S_OK : DISP_E_EXCEPTION;
      }
      case kDescription:
      case kSource:
      case kHelpFile: {
        std::string& text = member.id == kDescription ? description_ : member.id == kSource ? source_ : helpFile_;
        if (!put) return call.Return(text);
        return call.NewText(text) ? S_OK : DISP_E_EXCEPTION;
      }
    }
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  LONG number_;
  LONG helpContext_ = 0;
  std::string description_;
  std::string source_ = kErrorSource;
  std::string helpFile_;
};

const QITAB ErrorObject::kInterfaceTable[] = {
    QITABENT(ErrorObject, IDispatch),
    {nullptr, 0},
};

}  // namespace

HRESULT NewErrorObject(int32_t number, const std::string& description, IDispatch** out) {
  if (!out) return E_POINTER;
  *out = new (std::nothrow) ErrorObject(number, description);
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace amb
