#include <gtest/gtest.h>

#include "control_fixture.h"

namespace ambtest {
namespace {

struct Expected {
  const wchar_t* name;
  std::wstring value;
};

TEST(AmbreloProperties, EveryPropertyHasItsDefaultAfterInitNew) {
  HostedControl c;
  const Expected table[] = {
      {L"ScaleFonts", L"vt11:True"},      {L"BeepOnMinMax", L"vt11:True"},     {L"ResizeAtOnce", L"vt11:True"},
      {L"CenterX", L"vt11:False"},        {L"CenterY", L"vt11:False"},         {L"GradientFill", L"vt11:False"},
      {L"GradientColour", L"vt19:16711680"}, {L"GradientColour2", L"vt19:0"},    {L"GradientMidColour", L"vt19:0"},
      {L"GradientSource", L"vt3:0"},      {L"GradientType", L"vt3:0"},         {L"ScaleControls", L"vt11:True"},
      {L"ScaleX", L"vt2:0"},              {L"ScaleY", L"vt2:0"},               {L"StayOnTop", L"vt11:False"},
      {L"MinWidth", L"vt3:0"},            {L"MinHeight", L"vt3:0"},            {L"MaxWidth", L"vt3:0"},
      {L"MaxHeight", L"vt3:0"},           {L"ScaleBorders", L"vt11:True"},     {L"MdiChildWidth", L"vt3:0"},
      {L"MdiChildHeight", L"vt3:0"},      {L"ResizeOnMouseUp", L"vt11:True"},  {L"ControlFlagCount", L"vt2:0"},
      {L"ScaleGraphics", L"vt11:True"},   {L"ReplaceFontsWith", L"vt8:<none>"}, {L"SaveWindowState", L"vt11:False"},
      {L"WindowName", L"vt8:"},           {L"FormPicture", L"vt3:0"},          {L"FormClose", L"vt3:0"},
      {L"FormCloseTime", L"vt4:1"},       {L"FormOpen", L"vt3:0"},             {L"FormOpenTime", L"vt4:1"},
      {L"Enabled", L"vt11:True"},
  };
  for (const Expected& e : table) {
    VARIANT v;
    CallResult r = Get(c.control.get(), e.name, &v);
    EXPECT_HRESULT_SUCCEEDED(r.hr) << e.name;
    EXPECT_EQ(Show(v), e.value) << e.name;
    VariantClear(&v);
  }
  EXPECT_TRUE(c.notify.changed.empty()) << "a new instance announces no change";
}

struct LimitCase {
  const wchar_t* name;
  VARIANT assigned;
  std::wstring stored;
  SCODE error;  // S_OK: accepted (and notified)
};

TEST(AmbreloProperties, AssignedValuesAreLimitedAsTheAccessorsSay) {
  const LimitCase table[] = {
      {L"ScaleX", I2(150), L"vt2:100", S_OK},
      {L"ScaleY", I2(-5), L"vt2:0", S_OK},
      {L"FormCloseTime", R4(12.5f), L"vt4:10", S_OK},
      {L"FormCloseTime", R4(-1), L"vt4:0", S_OK},
      {L"FormOpenTime", R4(0), L"vt4:0", S_OK},
      {L"MinWidth", I4(-300), L"vt3:0", S_OK},
      {L"MinWidth", I4(0), L"vt3:0", S_OK},
      {L"MaxHeight", I4(1), L"vt3:1", S_OK},
      {L"GradientSource", I4(42), L"vt3:42", S_OK},
      {L"FormPicture", I4(-9), L"vt3:-9", S_OK},
      {L"FormOpen", I4(-2), L"vt3:-2", S_OK},
      {L"FormClose", I4(70000), L"vt3:0", static_cast<SCODE>(0x800A0006)},
      {L"FormOpen", I4(-32769), L"vt3:0", static_cast<SCODE>(0x800A0006)},
  };
  for (const LimitCase& t : table) {
    HostedControl c;
    CallResult r = Put(c.control.get(), t.name, t.assigned);
    if (t.error == S_OK) {
      EXPECT_HRESULT_SUCCEEDED(r.hr) << t.name;
      EXPECT_EQ(c.notify.changed, std::vector<DISPID>{DispId(c.control.get(), t.name)}) << t.name;
    } else {
      EXPECT_EQ(r.hr, DISP_E_EXCEPTION) << t.name;
      EXPECT_EQ(r.scode, t.error) << t.name;
      EXPECT_EQ(r.description, L"Overflow") << t.name;
      EXPECT_TRUE(c.notify.changed.empty()) << t.name << ": a refused value is not announced";
    }
    VARIANT v;
    Get(c.control.get(), t.name, &v);
    EXPECT_EQ(Show(v), t.stored) << t.name;
    VariantClear(&v);
  }
}

std::wstring KeyOf(IDispatch* control, short n) {
  VARIANT v;
  CallResult r = Get(control, L"ControlFlagControlKey", &v, {I2(n)});
  std::wstring out = SUCCEEDED(r.hr) ? Show(v) : L"error " + std::to_wstring(r.scode);
  VariantClear(&v);
  return out;
}

TEST(AmbreloProperties, FlagListResizesKeepingWhatFits) {
  HostedControl c;
  IDispatch* ctl = c.control.get();
  CallResult fresh = Get(ctl, L"ControlFlagControlKey", nullptr, {I2(1)});
  EXPECT_EQ(fresh.scode, static_cast<SCODE>(0x800A0009)) << "a list never sized has no entry 1";

  ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagCount", I2(5)).hr);
  for (short i = 1; i <= 5; ++i) {
    std::wstring key = L"ctl" + std::to_wstring(i);
    ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagControlKey", Text(key.c_str()), {I2(i)}).hr);
    ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagDontScaleLeft", Bool(true), {I2(i)}).hr);
  }
  ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagCount", I2(3)).hr);
  EXPECT_EQ(KeyOf(ctl, 3), L"vt8:ctl3");
  EXPECT_EQ(KeyOf(ctl, 4), L"error " + std::to_wstring(static_cast<SCODE>(0x800A0009)));
  ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagCount", I2(6)).hr);
  EXPECT_EQ(KeyOf(ctl, 4), L"vt8:") << "entries come back empty, not with their old keys";
  VARIANT flag;
  Get(ctl, L"ControlFlagDontScaleLeft", &flag, {I2(5)});
  EXPECT_EQ(Show(flag), L"vt11:False");
  Get(ctl, L"ControlFlagDontScaleLeft", &flag, {I2(2)});
  EXPECT_EQ(Show(flag), L"vt11:True");
  EXPECT_EQ(Get(ctl, L"ControlFlagDontScaleTop", &flag, {I2(7)}).scode, static_cast<SCODE>(0x800A0009));
  EXPECT_EQ(Get(ctl, L"ControlFlagDontScaleTop", &flag, {I2(-1)}).scode, static_cast<SCODE>(0x800A0009));
}

TEST(AmbreloProperties, NegativeCountIsRefusedBeforeAnythingIsStored) {
  HostedControl c;
  IDispatch* ctl = c.control.get();
  Put(ctl, L"ControlFlagCount", I2(2));
  Put(ctl, L"ControlFlagControlKey", Text(L"keep"), {I2(2)});
  c.notify.changed.clear();
  CallResult r = Put(ctl, L"ControlFlagCount", I2(-1));
  EXPECT_EQ(r.scode, static_cast<SCODE>(0x800A0009));
  EXPECT_EQ(r.description, L"Subscript out of range");
  EXPECT_TRUE(c.notify.changed.empty());
  VARIANT count;
  Get(ctl, L"ControlFlagCount", &count);
  EXPECT_EQ(Show(count), L"vt2:2");
  EXPECT_EQ(KeyOf(ctl, 2), L"vt8:keep");
}

// With no host bound, the actions on the host form have nothing to act on: the values are stored
// and no error is raised, except where the host itself is read.
TEST(AmbreloProperties, WithoutAHostTheFurtherActionsOnlyStore) {
  HostedControl c(/*userMode=*/true);
  IDispatch* ctl = c.control.get();
  for (const wchar_t* name : {L"GradientFill", L"StayOnTop", L"CenterX", L"ScaleControls"}) {
    EXPECT_HRESULT_SUCCEEDED(Put(ctl, name, Bool(true)).hr) << name;
    EXPECT_HRESULT_SUCCEEDED(Put(ctl, name, Bool(false)).hr) << name;
  }
  EXPECT_HRESULT_SUCCEEDED(Put(ctl, L"GradientFill", Bool(true)).hr);
  VARIANT v;
  Get(ctl, L"GradientFill", &v);
  EXPECT_EQ(Show(v), L"vt11:True");

  CallResult reset = Invoke(ctl, L"Reset", DISPATCH_METHOD, {}, nullptr);
  EXPECT_EQ(reset.hr, DISP_E_EXCEPTION);
  EXPECT_EQ(reset.scode, static_cast<SCODE>(0x800A005B)) << "Reset reads the host form's size";
}

TEST(AmbreloProperties, ErrorsComeWithErrorInfo) {
  rt::ComPtr<IDispatch> ctl = CreateControl();
  rt::ComPtr<ISupportErrorInfo> support;
  ASSERT_HRESULT_SUCCEEDED(ctl.As(support));
  EXPECT_EQ(support->InterfaceSupportsErrorInfo(IID__Ambrelo), S_OK);
  rt::ComPtr<_Ambrelo> early;
  ASSERT_HRESULT_SUCCEEDED(ctl.As(early));
  short n = 1;
  VARIANT_BOOL b;
  EXPECT_EQ(early->get_ControlFlagDontScaleFont(&n, &b), static_cast<HRESULT>(0x800A0009));
  rt::ComPtr<IErrorInfo> info;
  ASSERT_EQ(GetErrorInfo(0, info.put()), S_OK);
  BSTR source = nullptr;
  info->GetSource(&source);
  EXPECT_STREQ(source, L"AmbreloControl.Ambrelo");
  SysFreeString(source);
}

}  // namespace
}  // namespace ambtest
