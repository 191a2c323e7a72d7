#include <gtest/gtest.h>

#include <map>
#include <set>

#include "control_fixture.h"

namespace ambtest {
namespace {

rt::ComPtr<ITypeLib> RegisteredLibrary() {
  rt::ComPtr<ITypeLib> lib;
  EXPECT_HRESULT_SUCCEEDED(LoadRegTypeLib(LIBID_AmbreloControl, 11, 0, 0x0409, lib.put()));
  return lib;
}

struct Member {
  std::wstring name;
  MEMBERID id;
  INVOKEKIND kind;
  WORD flags;
  DWORD helpContext;
  std::wstring help;
};

std::vector<Member> Members(ITypeInfo* info) {
  TYPEATTR* attr;
  info->GetTypeAttr(&attr);
  std::vector<Member> members;
  for (UINT i = 0; i < attr->cFuncs; ++i) {
    FUNCDESC* f;
    info->GetFuncDesc(i, &f);
    BSTR name = nullptr, doc = nullptr;
    DWORD ctx = 0;
    info->GetDocumentation(f->memid, &name, &doc, &ctx, nullptr);
    if (!(f->wFuncFlags & FUNCFLAG_FRESTRICTED))
      members.push_back({name, f->memid, f->invkind, f->wFuncFlags, ctx, doc ? doc : L""});
    SysFreeString(name);
    SysFreeString(doc);
    info->ReleaseFuncDesc(f);
  }
  info->ReleaseTypeAttr(attr);
  return members;
}

TEST(AmbreloTypeLibrary, LibraryAndClassCarryTheirAttributes) {
  rt::ComPtr<ITypeLib> lib = RegisteredLibrary();
  ASSERT_TRUE(lib);
  TLIBATTR* la;
  lib->GetLibAttr(&la);
  EXPECT_EQ(la->wMajorVerNum, 11);
  EXPECT_EQ(la->wMinorVerNum, 0);
  EXPECT_EQ(la->lcid, 0x0409u);
  EXPECT_TRUE(la->wLibFlags & LIBFLAG_FCONTROL);
  lib->ReleaseTLibAttr(la);
  BSTR name = nullptr, helpFile = nullptr;
  DWORD ctx = 0;
  // Wine's reader gives no library help context (the library carries 10); the classes' is read.
  lib->GetDocumentation(-1, &name, nullptr, &ctx, &helpFile);
  EXPECT_STREQ(name, L"AmbreloControl");
  EXPECT_NE(std::wstring(helpFile).find(L"ambrelo.chm"), std::wstring::npos);
  SysFreeString(name);
  SysFreeString(helpFile);

  rt::ComPtr<ITypeInfo> coclass;
  ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(CLSID_Ambrelo, coclass.put()));
  TYPEATTR* ca;
  coclass->GetTypeAttr(&ca);
  EXPECT_TRUE(ca->wTypeFlags & TYPEFLAG_FCONTROL);
  EXPECT_FALSE(ca->wTypeFlags & TYPEFLAG_FCANCREATE);
  EXPECT_EQ(ca->cImplTypes, 2);
  coclass->ReleaseTypeAttr(ca);
  INT implFlags[2];
  coclass->GetImplTypeFlags(0, &implFlags[0]);
  coclass->GetImplTypeFlags(1, &implFlags[1]);
  EXPECT_EQ(implFlags[0], IMPLTYPEFLAG_FDEFAULT);
  EXPECT_EQ(implFlags[1], IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
  ctx = 0;
  coclass->GetDocumentation(-1, nullptr, nullptr, &ctx, nullptr);
  EXPECT_EQ(ctx, 10u);

  rt::ComPtr<ITypeInfo> iface;
  ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(IID__Ambrelo, iface.put()));
  TYPEATTR* ia;
  iface->GetTypeAttr(&ia);
  WORD wanted = TYPEFLAG_FHIDDEN | TYPEFLAG_FDUAL | TYPEFLAG_FNONEXTENSIBLE;
  EXPECT_EQ(ia->wTypeFlags & wanted, wanted);
  iface->ReleaseTypeAttr(ia);
  // The vtable half of the dual interface is the Automation-compatible one.
  HREFTYPE vtableRef;
  ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeOfImplType(-1, &vtableRef));
  rt::ComPtr<ITypeInfo> vtable;
  ASSERT_HRESULT_SUCCEEDED(iface->GetRefTypeInfo(vtableRef, vtable.put()));
  vtable->GetTypeAttr(&ia);
  EXPECT_EQ(ia->typekind, TKIND_INTERFACE);
  EXPECT_TRUE(ia->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  vtable->ReleaseTypeAttr(ia);
  ctx = 0;
  iface->GetDocumentation(-1, nullptr, nullptr, &ctx, nullptr);
  EXPECT_EQ(ctx, 10u);
}

TEST(AmbreloTypeLibrary, MembersHaveTheirIdsFlagsAndHelp) {
  rt::ComPtr<ITypeLib> lib = RegisteredLibrary();
  rt::ComPtr<ITypeInfo> iface;
  ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(IID__Ambrelo, iface.put()));
  std::vector<Member> members = Members(iface.get());
  std::map<std::wstring, std::set<MEMBERID>> ids;
  for (const Member& m : members) ids[m.name].insert(m.id);
  EXPECT_EQ(ids[L"AboutBox"], std::set<MEMBERID>{-552});
  EXPECT_EQ(ids[L"FormOpen"].size(), 1u) << "FormOpen's get and let share one id";
  EXPECT_EQ(ids.size(), 61u) << "every member of the interface, once by name";

  auto find = [&](const wchar_t* name, INVOKEKIND kind) -> const Member& {
    for (const Member& m : members)
      if (m.name == name && m.kind == kind) return m;
    static Member none;
    ADD_FAILURE() << "no member " << std::string(name, name + wcslen(name));
    return none;
  };
  EXPECT_TRUE(find(L"ScaleControls", INVOKE_PROPERTYGET).flags & FUNCFLAG_FUIDEFAULT);
  EXPECT_TRUE(find(L"ControlFlagCount", INVOKE_PROPERTYPUT).flags & FUNCFLAG_FHIDDEN);
  EXPECT_EQ(find(L"ScaleX", INVOKE_PROPERTYGET).help,
            L"sets a scale factor of the x dimension of the form as a percentage of  the screen width.");
  EXPECT_EQ(find(L"ScaleGraphics", INVOKE_PROPERTYPUT).help,
            L"If True, scales all the graphics of the controls on the form relative to the scaled dimensions of the "
            L"controls. ");
  EXPECT_EQ(find(L"PrintSize", INVOKE_FUNC).helpContext, 4050u);
  EXPECT_EQ(find(L"MaxHeight", INVOKE_PROPERTYGET).helpContext, 2160u);

  // The optional arguments of PrintSize carry their defaults, so late-bound callers may omit them.
  FUNCDESC* f = nullptr;
  for (UINT i = 0;; ++i) {
    ASSERT_HRESULT_SUCCEEDED(iface->GetFuncDesc(i, &f));
    BSTR name;
    iface->GetDocumentation(f->memid, &name, nullptr, nullptr, nullptr);
    bool found = std::wstring(name) == L"PrintSize";
    SysFreeString(name);
    if (found) break;
    iface->ReleaseFuncDesc(f);
  }
  ASSERT_EQ(f->cParams, 7);
  for (int p = 1; p < 7; ++p) EXPECT_TRUE(f->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FHASDEFAULT) << p;
  iface->ReleaseFuncDesc(f);
}

TEST(AmbreloTypeLibrary, EventsEnumerationsAndPages) {
  rt::ComPtr<ITypeLib> lib = RegisteredLibrary();
  rt::ComPtr<ITypeInfo> events;
  ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(DIID___Ambrelo, events.put()));
  std::map<std::wstring, Member> byName;
  for (const Member& m : Members(events.get())) byName[m.name] = m;
  EXPECT_EQ(byName[L"ResizeStarted"].id, 1);
  EXPECT_EQ(byName[L"ResizeDone"].id, 2);
  EXPECT_TRUE(byName[L"ResizeDone"].flags & FUNCFLAG_FUIDEFAULT);
  EXPECT_EQ(byName[L"Error"].id, 3);
  EXPECT_EQ(byName[L"PrintCancelled"].id, 4);
  EXPECT_EQ(byName[L"Error"].help, L"Returns information about non-critical errors.");

  struct EnumCase {
    const wchar_t* type;
    int members;
    const wchar_t* last;
    LONG lastValue;
  };
  std::map<std::wstring, EnumCase> wanted = {
      {L"FormPictureEffects", {L"FormPictureEffects", 4, L"FpTile", 3}},
      {L"FormCloseEffects", {L"FormCloseEffects", 8, L"FcFold", 7}},
      {L"FormOpenEffects", {L"FormOpenEffects", 8, L"FoFold", 7}},
      {L"FormStates", {L"FormStates", 3, L"fsEnabled", 2}},
      {L"GradientSources", {L"GradientSources", 10, L"gsOutside", 9}},
      {L"GradientTypes", {L"GradientTypes", 2, L"gtRadial", 1}},
  };
  std::map<std::wstring, std::wstring> pageHelp;
  for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
    rt::ComPtr<ITypeInfo> info;
    lib->GetTypeInfo(i, info.put());
    TYPEATTR* a;
    info->GetTypeAttr(&a);
    BSTR name = nullptr, doc = nullptr;
    info->GetDocumentation(-1, &name, &doc, nullptr, nullptr);
    if (a->typekind == TKIND_ENUM && wanted.count(name)) {
      const EnumCase& e = wanted[name];
      EXPECT_EQ(a->cVars, e.members) << name;
      VARDESC* v;
      info->GetVarDesc(a->cVars - 1, &v);
      BSTR member;
      info->GetDocumentation(v->memid, &member, nullptr, nullptr, nullptr);
      EXPECT_STREQ(member, e.last);
      EXPECT_EQ(V_I4(v->lpvarValue), e.lastValue) << name;
      SysFreeString(member);
      info->ReleaseVarDesc(v);
      wanted.erase(name);
    }
    if (a->typekind == TKIND_COCLASS && std::wstring(name) != L"Ambrelo") pageHelp[name] = doc ? doc : L"";
    SysFreeString(name);
    SysFreeString(doc);
    info->ReleaseTypeAttr(a);
  }
  EXPECT_TRUE(wanted.empty()) << "every enumeration is in the library";
  std::map<std::wstring, std::wstring> pages = {
      {L"ReplaceFontsWith", L"Ambrelo Property Page"}, {L"ScaleBorders", L"Ambrelo Property Page"},
      {L"ScaleControls", L"Ambrelo Property Page"},    {L"ScaleFonts", L"Ambrelo Property Page"},
      {L"ScaleGraphics", L"Ambrelo Property Page"},    {L"FormEffects", L""},
      {L"General", L"Ambrelo Property Page"}};
  EXPECT_EQ(pageHelp, pages);
}

// Every member of the interface is reached by name and does its work: none answers E_NOTIMPL.
TEST(AmbreloTypeLibrary, EveryMemberIsReachableLateBound) {
  HostedControl c;
  IDispatch* ctl = c.control.get();
  ASSERT_HRESULT_SUCCEEDED(Put(ctl, L"ControlFlagCount", I2(1)).hr);
  rt::ComPtr<ITypeInfo> info;
  ASSERT_HRESULT_SUCCEEDED(ctl->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put()));
  const std::set<std::wstring> indexed = {L"ControlFlagControlKey"};
  int reached = 0;
  for (const Member& m : Members(info.get())) {
    bool isIndexed = indexed.count(m.name) || m.name.rfind(L"ControlFlagDontScale", 0) == 0;
    std::vector<VARIANT> index;
    if (isIndexed) index.push_back(I2(1));
    if (m.kind == INVOKE_PROPERTYGET) {
      VARIANT v;
      CallResult r = Get(ctl, m.name.c_str(), &v, index);
      EXPECT_HRESULT_SUCCEEDED(r.hr) << std::string(m.name.begin(), m.name.end());
      if (SUCCEEDED(r.hr) && V_VT(&v) != VT_DISPATCH && V_VT(&v) != VT_EMPTY) {
        std::vector<VARIANT> again;
        if (isIndexed) again.push_back(I2(1));
        EXPECT_HRESULT_SUCCEEDED(Put(ctl, m.name.c_str(), v, again).hr)
            << "put back " << std::string(m.name.begin(), m.name.end());
      }
      ++reached;
    }
  }
  EXPECT_EQ(reached, 48) << "property reads";

  VARIANT nothing;
  V_VT(&nothing) = VT_DISPATCH;
  V_DISPATCH(&nothing) = nullptr;
  EXPECT_HRESULT_SUCCEEDED(Invoke(ctl, L"FormControls", DISPATCH_PROPERTYPUTREF, {nothing}, nullptr).hr);

  struct MethodCase {
    const wchar_t* name;
    std::vector<VARIANT> args;
    SCODE scode;
  };
  VARIANT noObject;
  V_VT(&noObject) = VT_DISPATCH;
  V_DISPATCH(&noObject) = nullptr;
  VARIANT d;
  V_VT(&d) = VT_R8;
  V_R8(&d) = 0.5;
  std::vector<MethodCase> methods = {
      {L"ScalePicture", {noObject, d, d}, S_OK},  // Nothing in, Nothing out
      {L"SizePicture", {noObject, I2(1), I2(1)}, S_OK},
      {L"CenterPicture", {noObject, noObject}, S_OK},
      {L"TilePicture", {noObject, noObject}, S_OK},
      {L"Reset", {}, static_cast<SCODE>(0x800A005B)},
      {L"SaveControlInfo", {Text(L"txt"), R4(1), R4(1)}, static_cast<SCODE>(0x800A01A8)},  // Object required
      {L"SaveControlFlags", {Text(L"txtName")}, S_OK},
      {L"SaveControlInfo", {noObject, R4(0), R4(0)}, S_OK},  // Nothing has the key ""
      {L"SaveControlFlags", {noObject}, S_OK},
      {L"SaveWindowSettings", {}, static_cast<SCODE>(0x800A005B)},  // no form bound
      {L"LoadWindowSettings", {}, S_OK},  // traps every error of its own
      {L"PrintSize", {Bool(true)}, S_OK},  // no form: reported through the Error event
      {L"AdjustPosition", {Text(L"txt")}, static_cast<SCODE>(0x800A01A8)},  // a control, not a text
      {L"UpdateControl", {Text(L"txt")}, static_cast<SCODE>(0x800A01A8)},
      {L"UpdateControl", {noObject}, S_OK},  // recorded as SaveControlInfo records it
  };
  for (MethodCase& m : methods) {
    CallResult r = Invoke(ctl, m.name, DISPATCH_METHOD, m.args, nullptr);
    if (m.scode == S_OK) {
      EXPECT_HRESULT_SUCCEEDED(r.hr) << std::string(m.name, m.name + wcslen(m.name));
    } else {
      EXPECT_EQ(r.hr, DISP_E_EXCEPTION) << std::string(m.name, m.name + wcslen(m.name));
      EXPECT_EQ(r.scode, m.scode) << std::string(m.name, m.name + wcslen(m.name));
    }
  }
  for (const wchar_t* collection : {L"colControlInfo", L"colControlFlags"}) {
    VARIANT records;
    ASSERT_HRESULT_SUCCEEDED(Get(ctl, collection, &records).hr);
    ASSERT_EQ(V_VT(&records), VT_DISPATCH);
    VARIANT item;
    EXPECT_HRESULT_SUCCEEDED(Get(V_DISPATCH(&records), L"Item", &item, {Text(L"")}).hr)
        << "Nothing's record in " << std::string(collection, collection + wcslen(collection));
    VariantClear(&item);
    VariantClear(&records);
  }
}

}  // namespace
}  // namespace ambtest
