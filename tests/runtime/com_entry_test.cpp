#include "ole/com_entry.h"

#include <gtest/gtest.h>
#include <oleauto.h>

#include <new>
#include <string>

#include "app.h"
#include "error_report.h"
#include "scoped_win.h"

namespace {

// What the thread's error info says, taken from it.
std::wstring ErrorInfoText() {
  rt::ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK) return L"(none)";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring result = text ? text : L"";
  SysFreeString(text);
  return result;
}

[[noreturn]] void RaiseFailure() { rt::Raise("Can not create the window of frmDialog"); }
[[noreturn]] void RunOutOfMemory() { throw std::bad_alloc(); }

// Whatever a method's body throws comes back as its error, by every road: the HRESULT of a method,
// Invoke's EXCEPINFO, and Invoke without one, where the error itself is returned.
TEST(ComEntry, WhatABodyThrowsComesBackAsItsErrorWithItsText) {
  const std::string title = rt::App().Title;
  rt::App().Title = "Ambrelo";  // the source every error names
  struct Case {
    const char* name;
    void (*body)();
    HRESULT hr;
    const wchar_t* text;
  };
  for (const Case& c : {Case{"a failure", &RaiseFailure, static_cast<HRESULT>(0x800A03EC),
                             L"Can not create the window of frmDialog"},
                        Case{"memory", &RunOutOfMemory, E_OUTOFMEMORY, L"Out of memory"}}) {
    SCOPED_TRACE(c.name);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(rt::ole::ComEntry([&]() -> HRESULT {
                c.body();
                return S_OK;
              }),
              c.hr);
    EXPECT_EQ(ErrorInfoText(), c.text);

    EXCEPINFO info{};
    EXPECT_EQ(rt::ole::InvokeEntry(&info, [&]() -> HRESULT {
                c.body();
                return S_OK;
              }),
              DISP_E_EXCEPTION);
    EXPECT_EQ(info.scode, c.hr);
    EXPECT_EQ(std::wstring(info.bstrDescription ? info.bstrDescription : L""), c.text);
    EXPECT_EQ(std::wstring(info.bstrSource ? info.bstrSource : L""), L"Ambrelo");
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);

    SetErrorInfo(0, nullptr);
    EXPECT_EQ(rt::ole::InvokeEntry(nullptr, [&]() -> HRESULT {
                c.body();
                return S_OK;
              }),
              c.hr)
        << "no EXCEPINFO: the error itself";
    EXPECT_EQ(ErrorInfoText(), c.text);
  }
  rt::App().Title = title;
}

}  // namespace
