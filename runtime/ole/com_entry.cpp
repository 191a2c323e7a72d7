#include "com_entry.h"

#include <oleauto.h>

#include <new>
#include <stdexcept>
#include <string>

#include "app.h"
#include "scoped_win.h"
#include "text_encoding.h"

namespace rt::ole {
namespace {

constexpr HRESULT kApplicationDefined = static_cast<HRESULT>(0x800A0000u | kErrApplicationDefined);

struct CaughtError {
  HRESULT scode;
  const char* what;  // the exception's own text, alive while it is being handled; null for none
};

// Rethrows the exception being handled to tell what it is.
CaughtError ClassifyCaughtException() noexcept {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return {E_OUTOFMEMORY, nullptr};
  } catch (const std::exception& e) {
    return {kApplicationDefined, e.what()};
  } catch (...) {
    return {kApplicationDefined, nullptr};
  }
}

std::wstring TextOf(const CaughtError& error) {
  if (error.what && *error.what) return WideFromUtf8(error.what);
  return error.scode == E_OUTOFMEMORY ? L"Out of memory" : L"Application-defined or object-defined error";
}

// The module's own title (the library's, in a library that links the runtime) names the source.
std::wstring SourceName() { return WideFromUtf8(App().Title); }

}  // namespace

// The texts need memory: without it the caller gets the HRESULT alone.
HRESULT HresultOfCaughtException() noexcept {
  const CaughtError error = ClassifyCaughtException();
  try {
    std::wstring text = TextOf(error), source = SourceName();
    ComPtr<ICreateErrorInfo> create;
    if (FAILED(CreateErrorInfo(create.put()))) return error.scode;
    create->SetDescription(text.data());
    create->SetSource(source.data());
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(info))) SetErrorInfo(0, info.get());
  } catch (...) {
  }
  return error.scode;
}

// A caller that passed no EXCEPINFO still learns what went wrong: the error itself, described by
// the thread's error info.
HRESULT DispatchErrorOfCaughtException(EXCEPINFO* info) noexcept {
  if (!info) return HresultOfCaughtException();
  const CaughtError error = ClassifyCaughtException();
  *info = EXCEPINFO{};
  info->scode = error.scode;
  try {
    std::wstring text = TextOf(error), source = SourceName();
    info->bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    info->bstrSource = SysAllocStringLen(source.data(), static_cast<UINT>(source.size()));
  } catch (...) {
  }
  return DISP_E_EXCEPTION;
}

}  // namespace rt::ole
