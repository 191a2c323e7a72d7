#include <gtest/gtest.h>

#include "control_fixture.h"

namespace ambtest {
namespace {

// A readable dump of a key below HKEY_CLASSES_ROOT and everything under it ("" when absent).
std::wstring Dump(HKEY root, const std::wstring& path) {
  rt::UniqueHkey key;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return L"";
  std::wstring out = L"[" + path + L"]\n";
  for (DWORD i = 0;; ++i) {
    wchar_t name[256], data[1024];
    DWORD nameLen = 256, dataLen = sizeof data, type = 0;
    if (RegEnumValueW(key.get(), i, name, &nameLen, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataLen) !=
        ERROR_SUCCESS)
      break;
    out += std::wstring(name) + L"=" + (type == REG_SZ ? std::wstring(data) : L"?") + L"\n";
  }
  for (DWORD i = 0;; ++i) {
    wchar_t sub[256];
    DWORD subLen = 256;
    if (RegEnumKeyExW(key.get(), i, sub, &subLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    out += Dump(root, path + L"\\" + sub);
  }
  return out;
}

std::wstring Guid(const GUID& g) {
  wchar_t text[40];
  StringFromGUID2(g, text, 40);
  return text;
}

std::wstring Everything() {
  std::wstring all;
  for (const std::wstring& key :
       {L"CLSID\\" + Guid(CLSID_Ambrelo), std::wstring(L"AmbreloControl.Ambrelo"),
        std::wstring(L"AmbreloControl.Ambrelo.1"), L"TypeLib\\" + Guid(LIBID_AmbreloControl),
        L"Interface\\" + Guid(IID__Ambrelo), L"Interface\\" + Guid(DIID___Ambrelo), L"CLSID\\" + Guid(CLSID_General),
        L"CLSID\\" + Guid(CLSID_ScaleBorders), L"CLSID\\" + Guid(CLSID_ScaleControls),
        L"CLSID\\" + Guid(CLSID_ScaleFonts), L"CLSID\\" + Guid(CLSID_ScaleGraphics),
        L"CLSID\\" + Guid(CLSID_ReplaceFontsWith), L"CLSID\\" + Guid(CLSID_FormEffects)})
    all += Dump(HKEY_CLASSES_ROOT, key);
  return all;
}

std::wstring Value(const std::wstring& path, const wchar_t* name = nullptr) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return L"<absent>";
  return data;
}

TEST(AmbreloRegistration, RegistersEverythingAndLeavesTheRegistryAsItFoundIt) {
  ASSERT_EQ(RunRegsvr32(true), 0u);
  const std::wstring before = Everything();
  EXPECT_EQ(before, L"") << "nothing of ours is registered before";

  ASSERT_EQ(RunRegsvr32(false), 0u);
  const std::wstring clsid = L"CLSID\\" + Guid(CLSID_Ambrelo);
  std::wstring server = Value(clsid + L"\\InprocServer32");
  EXPECT_NE(server.find(L"Ambrelo.dll"), std::wstring::npos) << std::string(server.begin(), server.end());
  EXPECT_EQ(Value(clsid + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  EXPECT_EQ(Value(clsid + L"\\ProgID"), L"AmbreloControl.Ambrelo.1");
  EXPECT_EQ(Value(clsid + L"\\VersionIndependentProgID"), L"AmbreloControl.Ambrelo");
  EXPECT_EQ(Value(clsid + L"\\Control"), L"");
  DWORD misc = std::stoul(Value(clsid + L"\\MiscStatus\\1"));
  EXPECT_TRUE(misc & OLEMISC_INVISIBLEATRUNTIME);
  EXPECT_TRUE(misc & OLEMISC_SETCLIENTSITEFIRST);
  EXPECT_EQ(Value(clsid + L"\\TypeLib"), Guid(LIBID_AmbreloControl));
  EXPECT_EQ(Value(clsid + L"\\Version"), L"11.0");
  EXPECT_NE(Value(clsid + L"\\ToolboxBitmap32").find(L", 101"), std::wstring::npos);
  EXPECT_EQ(Value(L"AmbreloControl.Ambrelo\\CurVer"), L"AmbreloControl.Ambrelo.1");
  for (const GUID* page : {&CLSID_General, &CLSID_ScaleBorders, &CLSID_ScaleControls, &CLSID_ScaleFonts,
                           &CLSID_ScaleGraphics, &CLSID_ReplaceFontsWith, &CLSID_FormEffects}) {
    const std::wstring key = L"CLSID\\" + Guid(*page);
    EXPECT_EQ(Value(key + L"\\InprocServer32"), server) << "a page lives in the control's DLL";
    EXPECT_EQ(Value(key + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
  }
  EXPECT_EQ(Value(L"CLSID\\" + Guid(CLSID_General)), L"General");
  EXPECT_NE(Dump(HKEY_CLASSES_ROOT, L"TypeLib\\" + Guid(LIBID_AmbreloControl)), L"");

  CLSID fromProgId;
  ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"AmbreloControl.Ambrelo", &fromProgId));
  EXPECT_TRUE(IsEqualCLSID(fromProgId, CLSID_Ambrelo));
  EXPECT_TRUE(CreateControl());

  ASSERT_EQ(RunRegsvr32(true), 0u);
  EXPECT_EQ(Everything(), before);
  ASSERT_EQ(RunRegsvr32(true), 0u) << "unregistering twice is no error";
  ASSERT_EQ(RunRegsvr32(false), 0u);  // the other tests of this run need it
}

}  // namespace
}  // namespace ambtest
