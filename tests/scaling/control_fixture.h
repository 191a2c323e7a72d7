#pragma once
// What every control test needs: COM on the test thread, Ambrelo.dll registered with the prefix's
// own regsvr32 for the run (and unregistered after it), and late-bound calls that keep the
// exception details.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <string>

#include "ambrelo_h.h"
#include "com_fakes.h"
#include "scoped_win.h"

namespace ambtest {

// Runs "regsvr32 /s [/u] <Ambrelo.dll>" and returns its exit code.
DWORD RunRegsvr32(bool unregister);

class ComEnvironment : public ::testing::Environment {
 public:
  void SetUp() override;
  void TearDown() override;
};

rt::ComPtr<IDispatch> CreateControl();

struct CallResult {
  HRESULT hr = S_OK;
  SCODE scode = S_OK;  // of the exception, when hr is DISP_E_EXCEPTION
  std::wstring description;
};

DISPID DispId(IDispatch* object, const wchar_t* name);
CallResult Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> args, VARIANT* result);
CallResult Get(IDispatch* object, const wchar_t* name, VARIANT* result, std::vector<VARIANT> index = {});
CallResult Put(IDispatch* object, const wchar_t* name, VARIANT value, std::vector<VARIANT> index = {});

VARIANT Bool(bool b);
VARIANT I2(short v);
VARIANT I4(LONG v);
VARIANT R4(float v);
VARIANT Text(const wchar_t* s);  // the caller's: VariantClear it (the helpers above do for arguments)
// "VT_I2:150"-like form of a value, for readable comparisons.
std::wstring Show(const VARIANT& v);

// A control that has been given a site and initialised (or loaded from bag when given).
struct HostedControl {
  FakeSite site;
  rt::ComPtr<IDispatch> control;
  NotifySink notify;
  DWORD notifyCookie = 0;
  explicit HostedControl(bool userMode = true, IPropertyBag* bag = nullptr);
  ~HostedControl();
};

}  // namespace ambtest
