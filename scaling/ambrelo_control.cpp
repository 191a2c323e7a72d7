// The control's identity: creation, interface table, dispatch through the embedded type library,
// connection points, events, class info, property pages and the container's ambient mode.
#include "ambrelo_control.h"

#include <array>
#include <new>

#include "automation_error.h"
#include "error_object.h"
#include "late_bound.h"
#include "wide_text.h"

namespace amb {
namespace {

constexpr size_t kPrintSizeArgs = 7;

VARIANT Default(VARTYPE type, LONG value) {
  VARIANT v{};
  V_VT(&v) = type;
  if (type == VT_BOOL) V_BOOL(&v) = static_cast<VARIANT_BOOL>(value);
  if (type == VT_I4) V_I4(&v) = value;
  return v;
}

VARIANT SingleDefault(float value) {
  VARIANT v{};
  V_VT(&v) = VT_R4;
  V_R4(&v) = value;
  return v;
}

// PrintSize's arguments, last first: AllowCancel, ShowDialog, Hide False; ScaleMode 1 (twips);
// PrintHeight, PrintWidth 0; Enabled (always given).
const std::array<VARIANT, kPrintSizeArgs> kPrintSizeDefaults = {
    Default(VT_BOOL, 0), Default(VT_BOOL, 0), Default(VT_BOOL, 0), Default(VT_I4, 1),
    SingleDefault(0),    SingleDefault(0),    Default(VT_EMPTY, 0)};

// The platform's stock colour page; the toolchain's headers do not name it.
constexpr CLSID kStockColorPage = {0x7EBDAAE1, 0x8120, 0x11CF, {0x89, 0x9F, 0x00, 0xAA, 0x00, 0x68, 0x8B, 0x10}};

}  // namespace

const QITAB Ambrelo::kInterfaceTable[] = {
    QITABENT(Ambrelo, _Ambrelo),
    QITABENTMULTI(Ambrelo, IDispatch, _Ambrelo),
    QITABENT(Ambrelo, IOleObject),
    QITABENT(Ambrelo, IOleInPlaceObject),
    QITABENTMULTI(Ambrelo, IOleWindow, IOleInPlaceObject),
    QITABENT(Ambrelo, IOleInPlaceActiveObject),
    QITABENT(Ambrelo, IOleControl),
    QITABENT(Ambrelo, IViewObject2),
    QITABENTMULTI(Ambrelo, IViewObject, IViewObject2),
    QITABENT(Ambrelo, IPersistPropertyBag),
    QITABENT(Ambrelo, IPersistStreamInit),
    QITABENTMULTI(Ambrelo, IPersist, IPersistStreamInit),
    QITABENT(Ambrelo, IConnectionPointContainer),
    QITABENT(Ambrelo, IProvideClassInfo2),
    QITABENTMULTI(Ambrelo, IProvideClassInfo, IProvideClassInfo2),
    QITABENT(Ambrelo, ISpecifyPropertyPages),
    QITABENT(Ambrelo, ISupportErrorInfo),
    {nullptr, 0},
};

Ambrelo::Ambrelo() : eventPoint_(*this, DIID___Ambrelo), notifyPoint_(*this, IID_IPropertyNotifySink) {
  scalingWork_.SetPrintSizing(&printSizing_);
}

Ambrelo::~Ambrelo() {
  lifecycle_.Terminate();
  UnhookHostForm();
  if (window_) DestroyWindow(window_);
}

HRESULT Ambrelo::Create(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  Ambrelo* control = new (std::nothrow) Ambrelo();
  if (!control) return E_OUTOFMEMORY;
  HRESULT hr = control->LoadTypeInfo();
  if (SUCCEEDED(hr)) control->printSizeId_ = control->MemberId(L"PrintSize");
  if (SUCCEEDED(hr)) hr = control->QueryInterface(riid, ppv);
  control->Release();
  return hr;
}

// PrintSize's optional arguments travel by reference; some type-library runtimes pass a left-out
// one as its default value where a pointer belongs. Every one left out is given here instead.
IFACEMETHODIMP Ambrelo::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* excepInfo, UINT* argError) {
  return InvokeEntry(excepInfo, [&]() -> HRESULT {
    if (id == printSizeId_ && id != DISPID_UNKNOWN && params && params->cNamedArgs == 0 && params->cArgs >= 1 &&
        params->cArgs <= kPrintSizeArgs) {
      std::array<VARIANT, kPrintSizeArgs> args = kPrintSizeDefaults;  // last first, as they travel
      const size_t n = args.size(), given = params->cArgs;
      for (size_t i = 0; i < given; ++i) {
        const VARIANT& arg = params->rgvarg[given - 1 - i];  // argument i
        bool missing = V_VT(&arg) == VT_ERROR && V_ERROR(&arg) == DISP_E_PARAMNOTFOUND;
        if (!missing || i == 0) args[n - 1 - i] = arg;  // borrowed, not owned
      }
      DISPPARAMS full{args.data(), nullptr, static_cast<UINT>(n), 0};
      return OwnDispatch<_Ambrelo>::Invoke(id, riid, lcid, flags, &full, result, excepInfo, argError);
    }
    return OwnDispatch<_Ambrelo>::Invoke(id, riid, lcid, flags, params, result, excepInfo, argError);
  });
}

IFACEMETHODIMP Ambrelo::InterfaceSupportsErrorInfo(REFIID riid) {
  return ComEntry([&] { return IsEqualIID(riid, IID__Ambrelo) ? S_OK : S_FALSE; });
}

IFACEMETHODIMP Ambrelo::EnumConnectionPoints(IEnumConnectionPoints** points) {
  return ComEntry([&]() -> HRESULT {
    if (!points) return E_POINTER;
    std::vector<IConnectionPoint*> items = {&eventPoint_, &notifyPoint_};
    return CreateComObject<SnapshotEnum<IEnumConnectionPoints, IConnectionPoint*>>(
        IID_IEnumConnectionPoints, reinterpret_cast<void**>(points), items);
  });
}

IFACEMETHODIMP Ambrelo::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  return ComEntry([&]() -> HRESULT {
    if (!point) return E_POINTER;
    *point = nullptr;
    for (ConnectionPoint* p : {&eventPoint_, &notifyPoint_}) {
      if (IsEqualIID(riid, p->Iid())) {
        *point = p;
        p->AddRef();
        return S_OK;
      }
    }
    return CONNECT_E_NOCONNECTION;
  });
}

IFACEMETHODIMP Ambrelo::GetClassInfo(ITypeInfo** info) {
  return ComEntry([&]() -> HRESULT {
    if (!info) return E_POINTER;
    *info = nullptr;
    return LoadOwnTypeInfo(CLSID_Ambrelo, info);
  });
}

IFACEMETHODIMP Ambrelo::GetGUID(DWORD kind, GUID* guid) {
  return ComEntry([&]() -> HRESULT {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID___Ambrelo;
    return S_OK;
  });
}

// The order is the tab order of the designer's property sheet.
IFACEMETHODIMP Ambrelo::GetPages(CAUUID* pages) {
  return ComEntry([&]() -> HRESULT {
    if (!pages) return E_POINTER;
    static const CLSID* const kPages[] = {&CLSID_General,       &CLSID_ScaleBorders,     &CLSID_ScaleControls,
                                          &CLSID_ScaleFonts,    &CLSID_ScaleGraphics,    &kStockColorPage,
                                          &CLSID_ReplaceFontsWith, &CLSID_FormEffects};
    constexpr ULONG n = sizeof kPages / sizeof kPages[0];
    pages->pElems = static_cast<GUID*>(CoTaskMemAlloc(n * sizeof(GUID)));
    if (!pages->pElems) {
      pages->cElems = 0;
      return E_OUTOFMEMORY;
    }
    for (ULONG i = 0; i < n; ++i) pages->pElems[i] = *kPages[i];
    pages->cElems = n;
    return S_OK;
  });
}

DISPID Ambrelo::MemberId(const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(LoadedTypeInfo()->GetIDsOfNames(names, 1, &id))) return DISPID_UNKNOWN;
  return id;
}

void Ambrelo::PropertyChanged(const wchar_t* name) {
  if (loading_) return;  // opening a form must not mark it changed
  dirty_ = true;
  DISPID id = MemberId(name);
  for (const rt::ComPtr<IUnknown>& sink : notifyPoint_.Sinks())
    static_cast<IPropertyNotifySink*>(sink.get())->OnChanged(id);
}

void Ambrelo::FireEvent(DISPID id, DISPPARAMS& params) {
  if (frozen_ > 0) return;
  eventPoint_.Fire(id, params);
}

void Ambrelo::FireResizeStarted() {
  DISPPARAMS none{};
  FireEvent(1, none);
}

void Ambrelo::FireResizeDone() {
  DISPPARAMS none{};
  FireEvent(2, none);
}

void Ambrelo::FireError(const std::string& description, int32_t number) {
  // Both go by reference: a sink may replace either, and what they hold afterwards is ours to free.
  rt::Bstr text(AllocBstr(description));
  rt::ComPtr<IDispatch> object;
  NewErrorObject(number != 0 ? number : kErrApplicationDefined, description, object.put());
  rt::VariantArray args(2);
  V_VT(&args[0]) = VT_DISPATCH | VT_BYREF;  // arguments travel last first
  V_DISPATCHREF(&args[0]) = object.inout();
  V_VT(&args[1]) = VT_BSTR | VT_BYREF;
  V_BSTRREF(&args[1]) = text.inout();
  DISPPARAMS params{args.data(), nullptr, args.count(), 0};
  FireEvent(3, params);
}

void Ambrelo::FirePrintCancelled() {
  DISPPARAMS none{};
  FireEvent(4, none);
}

// A container that gives no ambient user mode is taken to run the program, as containers
// without a designer do.
// A container that takes its site away (a designer may give it back later) leaves the mode as it
// was.
void Ambrelo::ReadAmbientUserMode() {
  if (!site_) return;
  rt::Variant v;
  userMode_ = true;
  if (SUCCEEDED(GetAmbientProperty(site_.get(), DISPID_AMBIENT_USERMODE, v)) && SUCCEEDED(v.ChangeType(VT_BOOL)))
    userMode_ = V_BOOL(v.get()) != VARIANT_FALSE;
  lifecycle_.SetUserMode(userMode_);
}

rt::ComPtr<IDispatch> Ambrelo::ParentControls() const {
  rt::ComPtr<IAmbreloHostSite> host;
  rt::ComPtr<IDispatch> controls;
  if (site_ && SUCCEEDED(site_->QueryInterface(IID_IAmbreloHostSite, host.put_void())))
    host->ParentControls(controls.put());
  return controls;
}

}  // namespace amb
