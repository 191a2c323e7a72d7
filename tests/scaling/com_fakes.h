#pragma once
// The container's side of the conversation, played by the tests: client site with ambient user
// mode and the host's parent controls, property bag, property-change and event sinks, and small
// late-bound objects standing for a host form and its controls collection.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ambrelo_h.h"
#include "automation_client.h"

namespace ambtest {

// Reference counting that the test can read, and a QueryInterface over the listed interfaces.
template <class First, class... Rest>
class FakeCom : public First, public Rest... {
 public:
  virtual ~FakeCom() = default;
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown)) *ppv = static_cast<First*>(this);
    Try<First>(riid, ppv) || (Try<Rest>(riid, ppv) || ...);
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  IFACEMETHODIMP_(ULONG) AddRef() override { return ++refs; }
  IFACEMETHODIMP_(ULONG) Release() override { return --refs; }  // owned by the test, never deleted here
  LONG refs = 1;

 private:
  template <class I>
  bool Try(REFIID riid, void** ppv) {
    if (!IsEqualIID(riid, __uuidof(I))) return false;
    *ppv = static_cast<I*>(this);
    return true;
  }
};

// IDispatch over a map of named properties (DISPID = position + 1) with an optional indexed
// default member, enough to stand for a host form or a controls collection.
class PropertyDispatch : public FakeCom<IDispatch> {
 public:
  std::map<std::wstring, VARIANT> properties;
  std::vector<IDispatch*> items;  // DISPID_VALUE(i)
  ~PropertyDispatch() override {
    for (auto& [name, v] : properties) VariantClear(&v);
  }
  void Set(const std::wstring& name, float value) {
    VARIANT v;
    V_VT(&v) = VT_R4;
    V_R4(&v) = value;
    properties[name] = v;
  }
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* ids) override {
    DISPID id = 1;
    for (auto& entry : properties) {
      if (_wcsicmp(entry.first.c_str(), names[0]) == 0) return *ids = id, S_OK;
      ++id;
    }
    return *ids = DISPID_UNKNOWN, DISP_E_UNKNOWNNAME;
  }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                        UINT*) override {
    if (id == DISPID_VALUE) {
      VARIANT index;
      VariantInit(&index);
      if (params->cArgs != 1 || FAILED(VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4))) return DISP_E_BADPARAMCOUNT;
      if (V_I4(&index) < 0 || static_cast<size_t>(V_I4(&index)) >= items.size()) return DISP_E_BADINDEX;
      V_VT(result) = VT_DISPATCH;
      V_DISPATCH(result) = items[V_I4(&index)];
      items[V_I4(&index)]->AddRef();
      return S_OK;
    }
    DISPID n = 1;
    for (auto& entry : properties) {
      if (n++ == id) return VariantCopy(result, &entry.second);
    }
    return DISP_E_MEMBERNOTFOUND;
  }
};

class FakeSite : public FakeCom<IOleClientSite, IDispatch, IAmbreloHostSite, IOleInPlaceSite, IOleControlSite> {
 public:
  bool userMode = true;
  IDispatch* parentControls = nullptr;
  IDispatch* extender = nullptr;  // the extended control, whose Parent is the form
  HWND window = nullptr;
  int activations = 0, deactivations = 0;

  // IOleClientSite
  IFACEMETHODIMP SaveObject() override { return S_OK; }
  IFACEMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** m) override { return *m = nullptr, E_NOTIMPL; }
  IFACEMETHODIMP GetContainer(IOleContainer** c) override { return *c = nullptr, E_NOINTERFACE; }
  IFACEMETHODIMP ShowObject() override { return S_OK; }
  IFACEMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  IFACEMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IDispatch: the ambient properties
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE) return DISP_E_MEMBERNOTFOUND;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = userMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  // IAmbreloHostSite
  IFACEMETHODIMP ParentControls(IDispatch** controls) override {
    *controls = parentControls;
    if (parentControls) parentControls->AddRef();
    return parentControls ? S_OK : E_NOINTERFACE;
  }
  // IOleWindow, IOleInPlaceSite
  IFACEMETHODIMP GetWindow(HWND* w) override { return *w = window, S_OK; }
  IFACEMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  IFACEMETHODIMP CanInPlaceActivate() override { return S_OK; }
  IFACEMETHODIMP OnInPlaceActivate() override { return ++activations, S_OK; }
  IFACEMETHODIMP OnUIActivate() override { return S_OK; }
  IFACEMETHODIMP GetWindowContext(IOleInPlaceFrame** f, IOleInPlaceUIWindow** d, LPRECT, LPRECT,
                                  LPOLEINPLACEFRAMEINFO) override {
    *f = nullptr;
    *d = nullptr;
    return E_NOTIMPL;
  }
  IFACEMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  IFACEMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  IFACEMETHODIMP OnInPlaceDeactivate() override { return ++deactivations, S_OK; }
  IFACEMETHODIMP DiscardUndoState() override { return S_OK; }
  IFACEMETHODIMP DeactivateAndUndo() override { return S_OK; }
  IFACEMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }
  // IOleControlSite
  IFACEMETHODIMP OnControlInfoChanged() override { return S_OK; }
  IFACEMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  IFACEMETHODIMP GetExtendedControl(IDispatch** out) override {
    *out = extender;
    if (extender) extender->AddRef();
    return extender ? S_OK : E_NOTIMPL;
  }
  IFACEMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  IFACEMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  IFACEMETHODIMP OnFocus(BOOL) override { return S_OK; }
  IFACEMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }
};

// Records writes in order; a read of a name it does not hold answers E_INVALIDARG, as bags do.
class FakePropertyBag : public FakeCom<IPropertyBag> {
 public:
  std::vector<std::pair<std::wstring, VARIANT>> entries;
  ~FakePropertyBag() override {
    for (auto& e : entries) VariantClear(&e.second);
  }
  IFACEMETHODIMP Read(LPCOLESTR name, VARIANT* out, IErrorLog*) override {
    for (auto& e : entries)
      if (_wcsicmp(e.first.c_str(), name) == 0) return VariantCopy(out, &e.second);
    return E_INVALIDARG;
  }
  IFACEMETHODIMP Write(LPCOLESTR name, VARIANT* value) override {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, value);
    entries.emplace_back(name, copy);
    return S_OK;
  }
  void Put(const std::wstring& name, VARIANT v) { entries.emplace_back(name, v); }
  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (auto& e : entries) names.push_back(e.first);
    return names;
  }
  const VARIANT* Find(const std::wstring& name) const {
    for (auto& e : entries)
      if (e.first == name) return &e.second;
    return nullptr;
  }
};

class NotifySink : public FakeCom<IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  IFACEMETHODIMP OnChanged(DISPID id) override { return changed.push_back(id), S_OK; }
  IFACEMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

// A sink of the event interface: QueryInterface answers for __Ambrelo and IDispatch.
class EventSink : public FakeCom<IDispatch> {
 public:
  std::vector<DISPID> fired;
  std::wstring lastDescription;
  std::wstring lastObjectDescription;  // what the error object says of itself
  double lastObjectNumber = 0;
  IFACEMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (IsEqualIID(riid, DIID___Ambrelo)) return FakeCom::QueryInterface(IID_IDispatch, ppv);
    return FakeCom::QueryInterface(riid, ppv);
  }
  IFACEMETHODIMP GetTypeInfoCount(UINT* n) override { return *n = 0, S_OK; }
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    fired.push_back(id);
    if (id == 3 && params->cArgs == 2) {
      lastDescription = *V_BSTRREF(&params->rgvarg[1]);
      if (IDispatch* object = *V_DISPATCHREF(&params->rgvarg[0])) {
        lastObjectDescription = test::TextOf(test::LateGet(object, L"Description"));
        lastObjectNumber = test::NumberOf(test::LateGet(object, L"Number"));
      }
    }
    return S_OK;
  }
};

}  // namespace ambtest
