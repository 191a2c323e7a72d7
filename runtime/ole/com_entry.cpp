#include "com_entry.h"

#include <oleauto.h>

#include <new>
#include <stdexcept>

#include "app.h"
#include "scoped_win.h"
#include "text_encoding.h"

namespace rt::ole {
namespace {

struct CaughtError {
  HRESULT scode;
  std::string description;
};

// Rethrows the exception being handled to tell what it is; allocates nothing for memory.
CaughtError ClassifyCaughtException() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return {E_OUTOFMEMORY, {}};
  } catch (const std::exception& e) {
    try {
      return {static_cast<HRESULT>(0x800A0000u | kErrApplicationDefined), e.what()};
    } catch (...) {
      return {E_OUTOFMEMORY, {}};
    }
  } catch (...) {
    return {static_cast<HRESULT>(0x800A0000u | kErrApplicationDefined), {}};
  }
}

const wchar_t* FallbackText(HRESULT scode) {
  return scode == E_OUTOFMEMORY ? L"Out of memory" : L"Application-defined or object-defined error";
}

// The module's own title (the library's, in a library that links the runtime) names the source.
std::wstring SourceName() {
  try {
    return WideFromUtf8(App().Title);
  } catch (...) {
    return {};
  }
}

std::wstring TextOf(const CaughtError& error) {
  try {
    return error.description.empty() ? FallbackText(error.scode) : WideFromUtf8(error.description);
  } catch (...) {
    return FallbackText(error.scode);
  }
}

}  // namespace

HRESULT HresultOfCaughtException() noexcept {
  CaughtError error = ClassifyCaughtException();
  ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.put()))) {
    std::wstring text = TextOf(error), source = SourceName();
    create->SetDescription(text.data());
    create->SetSource(source.data());
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(info))) SetErrorInfo(0, info.get());
  }
  return error.scode;
}

HRESULT DispatchErrorOfCaughtException(EXCEPINFO* info) noexcept {
  CaughtError error = ClassifyCaughtException();
  if (info) {
    *info = EXCEPINFO{};
    info->scode = error.scode;
    std::wstring text = TextOf(error), source = SourceName();
    info->bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    info->bstrSource = SysAllocStringLen(source.data(), static_cast<UINT>(source.size()));
  }
  return DISP_E_EXCEPTION;
}

}  // namespace rt::ole
