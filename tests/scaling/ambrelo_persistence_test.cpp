#include <gtest/gtest.h>

#include "control_fixture.h"

namespace ambtest {
namespace {

void SaveTo(IDispatch* control, IPropertyBag* bag) {
  rt::ComPtr<IPersistPropertyBag> persist;
  ASSERT_HRESULT_SUCCEEDED(rt::ComPtr<IDispatch>(control).As(persist));
  ASSERT_HRESULT_SUCCEEDED(persist->Save(bag, TRUE, FALSE));
}

std::vector<std::wstring> Shown(const FakePropertyBag& bag) {
  std::vector<std::wstring> out;
  for (auto& e : bag.entries) out.push_back(e.first + L"=" + Show(e.second));
  return out;
}

// A form whose controls collection holds the form itself first.
struct HostForm {
  PropertyDispatch form, controls;
  HostForm() {
    form.Set(L"Width", 9000);
    form.Set(L"Height", 7000);
    form.Set(L"ScaleWidth", 8880);
    form.Set(L"ScaleHeight", 6600);
    controls.items.push_back(&form);
  }
};

void ChangeSome(IDispatch* ctl) {
  Put(ctl, L"ScaleFonts", Bool(false));
  Put(ctl, L"GradientColour", I4(0x00FF00));
  Put(ctl, L"ScaleX", I2(40));
  Put(ctl, L"MinWidth", I4(3000));
  Put(ctl, L"ReplaceFontsWith", Text(L"Arial"));
  Put(ctl, L"FormClose", I4(7));
  Put(ctl, L"FormOpenTime", R4(2.5f));
  Put(ctl, L"Enabled", Bool(false));
  Put(ctl, L"ControlFlagCount", I2(2));
  Put(ctl, L"ControlFlagControlKey", Text(L"txtName"), {I2(1)});
  Put(ctl, L"ControlFlagDontScaleFont", Bool(true), {I2(1)});
  Put(ctl, L"ControlFlagControlKey", Text(L"Label1(3)"), {I2(2)});
  Put(ctl, L"ControlFlagDontScaleBottom", Bool(true), {I2(2)});
}

TEST(AmbreloPersistence, PropertyBagRoundTrip) {
  FakePropertyBag first;
  {
    HostedControl c;
    ChangeSome(c.control.get());
    SaveTo(c.control.get(), &first);
  }
  EXPECT_EQ(Shown(first), (std::vector<std::wstring>{
                              L"ScaleFonts=vt11:False", L"GradientColour=vt3:65280", L"ScaleX=vt2:40",
                              L"MinWidth=vt3:3000", L"ControlFlagCount=vt2:2", L"ControlFlagControlKey1=vt8:txtName",
                              L"ControlFlagDontScaleFont1=vt11:True", L"ControlFlagControlKey2=vt8:Label1(3)",
                              L"ControlFlagDontScaleBottom2=vt11:True", L"ReplaceFontsWith=vt8:Arial",
                              L"FormClose=vt2:7", L"FormOpenTime=vt4:2.5", L"Enabled=vt11:False"}));

  HostedControl loaded(true, &first);
  EXPECT_TRUE(loaded.notify.changed.empty()) << "loading must not mark the form changed";
  rt::ComPtr<IPersistStreamInit> persist;
  loaded.control.As(persist);
  EXPECT_EQ(persist->IsDirty(), S_FALSE);
  FakePropertyBag second;
  SaveTo(loaded.control.get(), &second);
  EXPECT_EQ(Shown(second), Shown(first));

  Put(loaded.control.get(), L"CenterX", Bool(true));
  EXPECT_EQ(persist->IsDirty(), S_OK);
}

TEST(AmbreloPersistence, ABagWithSomeNamesGivesDefaultsForTheRest) {
  FakePropertyBag bag;
  bag.Put(L"ScaleX", I2(150));
  bag.Put(L"FormClose", I4(70000));
  bag.Put(L"FormOpen", Text(L"3"));
  bag.Put(L"ControlFlagCount", I2(-4));
  bag.Put(L"MinHeight", Text(L"not a number"));
  HostedControl c(true, &bag);
  IDispatch* ctl = c.control.get();
  struct Case {
    const wchar_t* name;
    std::wstring value;
  };
  for (const Case& e : {Case{L"ScaleX", L"vt2:150"}, Case{L"FormClose", L"vt3:0"}, Case{L"FormOpen", L"vt3:3"},
                        Case{L"ControlFlagCount", L"vt2:0"}, Case{L"MinHeight", L"vt3:0"},
                        Case{L"ScaleFonts", L"vt11:True"}, Case{L"GradientColour", L"vt19:16711680"},
                        Case{L"ReplaceFontsWith", L"vt8:<none>"}, Case{L"FormCloseTime", L"vt4:1"}}) {
    VARIANT v;
    Get(ctl, e.name, &v);
    EXPECT_EQ(Show(v), e.value) << std::string(e.name, e.name + wcslen(e.name));
    VariantClear(&v);
  }
  EXPECT_HRESULT_SUCCEEDED(Get(ctl, L"ControlFlagControlKey", nullptr, {I2(0)}).hr) << "arrays sized 0 to 0";
}

TEST(AmbreloPersistence, DesignSizeIsWrittenAtDesignTimeAndKeptAtRunTime) {
  HostForm host;
  FakePropertyBag designed;
  {
    HostedControl c(/*userMode=*/false);
    c.site.parentControls = &host.controls;
    rt::ComPtr<IPersistStreamInit> persist;
    c.control.As(persist);
    persist->InitNew();
    SaveTo(c.control.get(), &designed);
  }
  EXPECT_EQ(Shown(designed), (std::vector<std::wstring>{L"DesignFormWidth=vt4:9000", L"DesignFormHeight=vt4:7000",
                                                         L"DesignFormScaleWidth=vt4:8880",
                                                         L"DesignFormScaleHeight=vt4:6600"}))
      << "an instance with all defaults stores only the design size";

  HostedControl running(/*userMode=*/true, &designed);
  FakePropertyBag atRunTime;
  SaveTo(running.control.get(), &atRunTime);
  EXPECT_EQ(Shown(atRunTime), Shown(designed)) << "a save at run time must not lose the design size";
  EXPECT_EQ(host.form.refs, 1);
  EXPECT_EQ(host.controls.refs, 1) << "the parent controls are released with the control";
}

rt::ComPtr<IStream> NewStream() {
  rt::ComPtr<IStream> s;
  EXPECT_HRESULT_SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, s.put()));
  return s;
}

void Rewind(IStream* s) {
  LARGE_INTEGER zero{};
  s->Seek(zero, STREAM_SEEK_SET, nullptr);
}

TEST(AmbreloPersistence, StreamRoundTripReadsOnlyItsOwnBytes) {
  rt::ComPtr<IStream> stream = NewStream();
  FakePropertyBag expected;
  ULARGE_INTEGER announced{};
  {
    HostedControl c;
    ChangeSome(c.control.get());
    SaveTo(c.control.get(), &expected);
    rt::ComPtr<IPersistStreamInit> persist;
    c.control.As(persist);
    ASSERT_HRESULT_SUCCEEDED(persist->GetSizeMax(&announced));
    ASSERT_HRESULT_SUCCEEDED(persist->Save(stream.get(), TRUE));
  }
  ULARGE_INTEGER end;
  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_CUR, &end);
  EXPECT_EQ(end.QuadPart, announced.QuadPart);
  const char marker[] = "next";
  stream->Write(marker, 4, nullptr);  // what the container stores after us
  Rewind(stream.get());

  HostedControl loaded;
  rt::ComPtr<IPersistStreamInit> persist;
  loaded.control.As(persist);
  ASSERT_HRESULT_SUCCEEDED(persist->Load(stream.get()));
  char after[4] = {};
  ULONG got = 0;
  stream->Read(after, 4, &got);
  EXPECT_EQ(std::string(after, got), "next");
  EXPECT_TRUE(loaded.notify.changed.empty());
  FakePropertyBag back;
  SaveTo(loaded.control.get(), &back);
  EXPECT_EQ(Shown(back), Shown(expected));
}

TEST(AmbreloPersistence, DamagedStreamIsRefusedAndChangesNothing) {
  rt::ComPtr<IStream> stream = NewStream();
  {
    HostedControl c;
    ChangeSome(c.control.get());
    rt::ComPtr<IPersistStreamInit> persist;
    c.control.As(persist);
    persist->Save(stream.get(), TRUE);
  }
  STATSTG stat;
  stream->Stat(&stat, STATFLAG_NONAME);
  ULARGE_INTEGER shorter;
  shorter.QuadPart = stat.cbSize.QuadPart - 3;
  stream->SetSize(shorter);
  Rewind(stream.get());

  HostedControl c;
  rt::ComPtr<IPersistStreamInit> persist;
  c.control.As(persist);
  EXPECT_HRESULT_FAILED(persist->Load(stream.get()));
  FakePropertyBag bag;
  SaveTo(c.control.get(), &bag);
  EXPECT_TRUE(bag.entries.empty()) << "the defaults are untouched";

  rt::ComPtr<IStream> foreign = NewStream();
  foreign->Write("XXXXXXXXXXXXXXXX", 16, nullptr);
  Rewind(foreign.get());
  EXPECT_HRESULT_FAILED(persist->Load(foreign.get()));
}

// A stream larger than Load takes back is refused before anything is written, so the settings are
// never saved in a form that would lose them all at the next load.
TEST(AmbreloPersistence, AStreamLoadWouldRefuseIsNotWritten) {
  HostedControl c;
  const std::wstring huge(17u << 20, L'w');
  Put(c.control.get(), L"WindowName", Text(huge.c_str()));
  rt::ComPtr<IPersistStreamInit> persist;
  c.control.As(persist);
  rt::ComPtr<IStream> stream = NewStream();
  EXPECT_EQ(persist->Save(stream.get(), TRUE), STG_E_MEDIUMFULL);
  STATSTG stat;
  stream->Stat(&stat, STATFLAG_NONAME);
  EXPECT_EQ(stat.cbSize.QuadPart, 0u);
}

}  // namespace
}  // namespace ambtest
