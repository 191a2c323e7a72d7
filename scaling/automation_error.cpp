#include "automation_error.h"

#include <oleauto.h>

#include <string>

#include "ambrelo_h.h"
#include "scoped_win.h"
#include "wide_text.h"

namespace amb {

const wchar_t* StandardErrorText(int number) {
  switch (number) {
    case kErrOverflow: return L"Overflow";
    case kErrSubscriptOutOfRange: return L"Subscript out of range";
    case kErrTypeMismatch: return L"Type mismatch";
    case kErrObjectNotSet: return L"Object variable or With block variable not set";
    case kErrObjectRequired: return L"Object required";
    default: return L"Application-defined or object-defined error";
  }
}

namespace {

HRESULT Raise(HRESULT hr, const wchar_t* description) {
  rt::ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.put()))) {
    create->SetGUID(IID__Ambrelo);
    create->SetSource(const_cast<wchar_t*>(L"AmbreloControl.Ambrelo"));
    create->SetDescription(const_cast<wchar_t*>(description));
    rt::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(info))) SetErrorInfo(0, info.get());
  }
  return hr;
}

}  // namespace

HRESULT RaiseAutomationError(int number) { return Raise(AutomationErrorCode(number), StandardErrorText(number)); }

HRESULT RaiseTypeMismatch(const wchar_t* description) {
  return Raise(AutomationErrorCode(kErrTypeMismatch), description);
}

HRESULT RaiseHostError(const std::string& description) {
  return Raise(AutomationErrorCode(kErrApplicationDefined), WideFromUtf8(description).c_str());
}

HRESULT RaiseHostError(const HostStatus& status) {
  int number = status.number > 0 && status.number <= 0xFFFF ? status.number : kErrApplicationDefined;
  return Raise(AutomationErrorCode(number), WideFromUtf8(status.description).c_str());
}

}  // namespace amb
