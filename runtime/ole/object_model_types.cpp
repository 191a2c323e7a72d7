#include "object_model_types.h"

#include <map>
#include <string>

namespace rt::ole {

// {6D1A3F00-5E2B-4C47-9A31-7F0C2B8E4D10} and the ones after it.
const IID DIID_FormEvents = {0x6D1A3F00, 0x5E2B, 0x4C47, {0x9A, 0x31, 0x7F, 0x0C, 0x2B, 0x8E, 0x4D, 0x10}};

namespace {

constexpr GUID kLibrary = {0x6D1A3F01, 0x5E2B, 0x4C47, {0x9A, 0x31, 0x7F, 0x0C, 0x2B, 0x8E, 0x4D, 0x10}};
constexpr GUID kFormClass = {0x6D1A3F02, 0x5E2B, 0x4C47, {0x9A, 0x31, 0x7F, 0x0C, 0x2B, 0x8E, 0x4D, 0x10}};

// The types of this thread. They are held for the thread's life and never released: a release
// after COM has been shut down at the end of the program would reach freed code.
struct ThreadTypes {
  ICreateTypeLib2* library = nullptr;
  std::map<std::wstring, ITypeInfo*> interfaces;
  ITypeInfo* formClass = nullptr;
  unsigned short nextGuid = 0x10;
};

ThreadTypes& Types() {
  thread_local ThreadTypes types;
  return types;
}

HRESULT Library(ICreateTypeLib2** out) {
  ThreadTypes& t = Types();
  if (!t.library) {
    ICreateTypeLib2* lib = nullptr;
    // The file name is never written: the library lives in memory only.
    HRESULT hr = CreateTypeLib2(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, L"FormRuntime.tlb", &lib);
    if (FAILED(hr)) return hr;
    lib->SetGuid(kLibrary);
    lib->SetName(const_cast<LPOLESTR>(L"FormRuntime"));
    lib->SetLcid(LOCALE_NEUTRAL);
    t.library = lib;
  }
  *out = t.library;
  return S_OK;
}

HRESULT AddFunction(ICreateTypeInfo& info, UINT& index, const MemberInfo& m, INVOKEKIND kind) {
  TYPEDESC variant{};
  variant.vt = VT_VARIANT;
  ELEMDESC value{};
  value.tdesc = variant;
  value.paramdesc.wParamFlags = PARAMFLAG_FIN;
  FUNCDESC fd{};
  fd.memid = m.id;
  fd.funckind = FUNC_DISPATCH;
  fd.invkind = kind;
  fd.callconv = CC_STDCALL;
  fd.elemdescFunc.tdesc.vt = kind == INVOKE_PROPERTYPUT ? VT_VOID : VT_VARIANT;
  if (kind == INVOKE_PROPERTYPUT) {
    fd.cParams = 1;
    fd.lprgelemdescParam = &value;
  }
  HRESULT hr = info.AddFuncDesc(index, &fd);
  if (FAILED(hr)) return hr;
  LPOLESTR names[] = {const_cast<LPOLESTR>(m.name)};
  hr = info.SetFuncAndParamNames(index, names, 1);
  ++index;
  return hr;
}

HRESULT Finish(ICreateTypeInfo& created, ITypeInfo** out) {
  HRESULT hr = created.LayOut();
  if (FAILED(hr)) return hr;
  return created.QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(out));
}

HRESULT CreateType(const wchar_t* name, TYPEKIND kind, const GUID* guid, ICreateTypeInfo** out) {
  ICreateTypeLib2* lib = nullptr;
  HRESULT hr = Library(&lib);
  if (FAILED(hr)) return hr;
  hr = lib->CreateTypeInfo(const_cast<LPOLESTR>(name), kind, out);
  if (FAILED(hr)) return hr;
  GUID g = guid ? *guid : kLibrary;
  if (!guid) g.Data1 = 0x6D1A0000u + Types().nextGuid++;
  return (*out)->SetGuid(g);
}

HRESULT BuildInterface(const wchar_t* name, std::span<const MemberInfo> members, const GUID* guid, ITypeInfo** out) {
  rt::ComPtr<ICreateTypeInfo> created;
  HRESULT hr = CreateType(name, TKIND_DISPATCH, guid, created.put());
  UINT index = 0;
  for (const MemberInfo& m : members) {
    if (FAILED(hr)) return hr;
    if (m.kind == MemberKind::Method) {
      hr = AddFunction(*created.get(), index, m, INVOKE_FUNC);
    } else {
      hr = AddFunction(*created.get(), index, m, INVOKE_PROPERTYGET);
      if (SUCCEEDED(hr) && m.kind == MemberKind::Property) hr = AddFunction(*created.get(), index, m, INVOKE_PROPERTYPUT);
    }
  }
  return FAILED(hr) ? hr : Finish(*created.get(), out);
}

HRESULT Cached(const wchar_t* name, std::span<const MemberInfo> members, const GUID* guid, ITypeInfo** out) {
  ThreadTypes& t = Types();
  auto it = t.interfaces.find(name);
  if (it == t.interfaces.end()) {
    ITypeInfo* info = nullptr;
    HRESULT hr = BuildInterface(name, members, guid, &info);
    if (FAILED(hr)) return hr;
    it = t.interfaces.emplace(name, info).first;
  }
  *out = it->second;
  (*out)->AddRef();
  return S_OK;
}

constexpr MemberInfo kFormEvents[] = {
    {L"Load", kFormLoad, MemberKind::Method},         {L"Resize", kFormResize, MemberKind::Method},
    {L"Unload", kFormUnload, MemberKind::Method},     {L"Activate", kFormActivate, MemberKind::Method},
    {L"Deactivate", kFormDeactivate, MemberKind::Method},
};

HRESULT AddImplemented(ICreateTypeInfo& coclass, UINT index, ITypeInfo* implemented, INT flags) {
  HREFTYPE ref = 0;
  HRESULT hr = coclass.AddRefTypeInfo(implemented, &ref);
  if (SUCCEEDED(hr)) hr = coclass.AddImplType(index, ref);
  if (SUCCEEDED(hr)) hr = coclass.SetImplTypeFlags(index, flags);
  return hr;
}

}  // namespace

HRESULT DispatchTypeInfo(const wchar_t* typeName, std::span<const MemberInfo> members, ITypeInfo** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  return Cached(typeName, members, nullptr, out);
}

HRESULT FormClassInfo(ITypeInfo* form, ITypeInfo** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!form) return E_POINTER;
  ThreadTypes& t = Types();
  if (!t.formClass) {
    rt::ComPtr<ITypeInfo> events;
    rt::ComPtr<ICreateTypeInfo> coclass;
    HRESULT hr = Cached(L"FormEvents", kFormEvents, &DIID_FormEvents, events.put());
    if (SUCCEEDED(hr)) hr = CreateType(L"RuntimeForm", TKIND_COCLASS, &kFormClass, coclass.put());
    if (SUCCEEDED(hr)) hr = AddImplemented(*coclass.get(), 0, form, IMPLTYPEFLAG_FDEFAULT);
    if (SUCCEEDED(hr))
      hr = AddImplemented(*coclass.get(), 1, events.get(), IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE);
    if (SUCCEEDED(hr)) hr = Finish(*coclass.get(), &t.formClass);
    if (FAILED(hr)) return hr;
  }
  *out = t.formClass;
  (*out)->AddRef();
  return S_OK;
}

}  // namespace rt::ole
