// Hosting: IOleObject, in-place activation, IOleControl and IViewObject2. The control is
// invisible at run time; while its form is designed it shows its toolbox image.
#include "ambrelo_control.h"
#include "control_window.h"
#include "error_report.h"
#include "registration.h"
#include "toolbox_image.h"

namespace amb {
IFACEMETHODIMP Ambrelo::SetClientSite(IOleClientSite* site) {
  return ComEntry([&]() -> HRESULT {
    site_ = rt::ComPtr<IOleClientSite>(site);
    ReadAmbientUserMode();
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::GetClientSite(IOleClientSite** site) {
  return ComEntry([&]() -> HRESULT {
    if (!site) return E_POINTER;
    *site = site_.get();
    if (*site) (*site)->AddRef();
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

IFACEMETHODIMP Ambrelo::Close(DWORD saveOption) {
  // Each step on its own: one that fails still leaves the form let go of and the advisers told.
  rt::SkipOnError([&] {
    if (saveOption != OLECLOSE_NOSAVE && dirty_ && site_) site_->SaveObject();
  });
  rt::SkipOnError([&] { InPlaceDeactivate(); });
  rt::SkipOnError([&] { printPlatform_.CloseDialogOfThisControl(); });
  rt::SkipOnError([&] { UnhookHostForm(); });  // a closed control follows no form
  rt::SkipOnError([&] { lifecycle_.Terminate(); });
  rt::SkipOnError([&] { engine_.Forget(); });
  rt::SkipOnError([&] {
    if (adviseHolder_) adviseHolder_->SendOnClose();
  });
  return S_OK;
}

IFACEMETHODIMP Ambrelo::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }
IFACEMETHODIMP Ambrelo::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  return ComEntry([&]() -> HRESULT {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  });
}
IFACEMETHODIMP Ambrelo::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }
IFACEMETHODIMP Ambrelo::GetClipboardData(DWORD, IDataObject** data) {
  return ComEntry([&]() -> HRESULT {
    if (data) *data = nullptr;
    return E_NOTIMPL;
  });
}

IFACEMETHODIMP Ambrelo::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT posRect) {
  return ComEntry([&]() -> HRESULT {
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_SHOW:
      case OLEIVERB_INPLACEACTIVATE:
      case OLEIVERB_UIACTIVATE:
        return ActivateInPlace(site ? site : site_.get(), parent, posRect);
      case OLEIVERB_HIDE:
        if (window_) ShowWindow(window_, SW_HIDE);
        return S_OK;
      case OLEIVERB_PROPERTIES: {
        CAUUID pages{};
        HRESULT hr = GetPages(&pages);
        if (FAILED(hr)) return hr;
        IUnknown* self = static_cast<_Ambrelo*>(this);
        hr = OleCreatePropertyFrame(parent, 0, 0, L"Ambrelo", 1, &self, pages.cElems, pages.pElems, LOCALE_USER_DEFAULT,
                                    0, nullptr);
        CoTaskMemFree(pages.pElems);
        return hr;
      }
      default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
  });
}

IFACEMETHODIMP Ambrelo::EnumVerbs(IEnumOLEVERB** verbs) {
  return ComEntry([&] { return OleRegEnumVerbs(CLSID_Ambrelo, verbs); });
}
IFACEMETHODIMP Ambrelo::Update() { return S_OK; }
IFACEMETHODIMP Ambrelo::IsUpToDate() { return S_OK; }

IFACEMETHODIMP Ambrelo::GetUserClassID(CLSID* clsid) { return ComEntry([&] { return GetClassID(clsid); }); }

IFACEMETHODIMP Ambrelo::GetUserType(DWORD form, LPOLESTR* userType) {
  return ComEntry([&] { return OleRegGetUserType(CLSID_Ambrelo, form, userType); });
}

// The control always keeps the size of its image.
IFACEMETHODIMP Ambrelo::SetExtent(DWORD aspect, SIZEL* size) {
  return ComEntry([&]() -> HRESULT {
    if (!size) return E_POINTER;
    return aspect == DVASPECT_CONTENT ? E_FAIL : DV_E_DVASPECT;
  });
}

IFACEMETHODIMP Ambrelo::GetExtent(DWORD aspect, SIZEL* size) {
  return ComEntry([&]() -> HRESULT {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    *size = ToolboxExtent();
    return S_OK;
  });
}

// Made at the first need, so that an enumeration before any advise still gets an enumerator.
HRESULT Ambrelo::MakeAdviseHolder() {
  return adviseHolder_ ? S_OK : CreateOleAdviseHolder(adviseHolder_.put());
}

IFACEMETHODIMP Ambrelo::Advise(IAdviseSink* sink, DWORD* connection) {
  return ComEntry([&]() -> HRESULT {
    HRESULT hr = MakeAdviseHolder();
    return SUCCEEDED(hr) ? adviseHolder_->Advise(sink, connection) : hr;
  });
}

IFACEMETHODIMP Ambrelo::Unadvise(DWORD connection) {
  return ComEntry([&] { return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION; });
}

IFACEMETHODIMP Ambrelo::EnumAdvise(IEnumSTATDATA** advise) {
  return ComEntry([&]() -> HRESULT {
    if (!advise) return E_POINTER;
    *advise = nullptr;
    HRESULT hr = MakeAdviseHolder();
    return SUCCEEDED(hr) ? adviseHolder_->EnumAdvise(advise) : hr;
  });
}

IFACEMETHODIMP Ambrelo::GetMiscStatus(DWORD aspect, DWORD* status) {
  return ComEntry([&]() -> HRESULT {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kAmbreloMiscStatus : 0;
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

HRESULT Ambrelo::ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT posRect) {
  if (window_) {
    ApplyVisibility();
    return S_OK;
  }
  if (!site) return E_UNEXPECTED;
  rt::ComPtr<IOleInPlaceSite> inPlace;
  HRESULT hr = site->QueryInterface(IID_IOleInPlaceSite, inPlace.put_void());
  if (FAILED(hr)) return hr;
  if (inPlace->CanInPlaceActivate() != S_OK) return E_FAIL;
  HWND host = nullptr;
  if (FAILED(inPlace->GetWindow(&host)) || !host) host = parent;
  if (!host) return E_UNEXPECTED;
  hr = inPlace->OnInPlaceActivate();
  if (FAILED(hr)) return hr;
  RECT pos = posRect ? *posRect : RECT{0, 0, kToolboxWidth, kToolboxHeight};
  window_ = CreateControlWindow(host, pos);
  if (!window_) {
    hr = HRESULT_FROM_WIN32(GetLastError());
    inPlace->OnInPlaceDeactivate();
    return hr;
  }
  inPlaceSite_ = std::move(inPlace);
  ApplyVisibility();
  return S_OK;
}

void Ambrelo::ApplyVisibility() {
  if (window_) ShowWindow(window_, UserMode() ? SW_HIDE : SW_SHOWNA);
}

IFACEMETHODIMP Ambrelo::GetWindow(HWND* window) {
  return ComEntry([&]() -> HRESULT {
    if (!window) return E_POINTER;
    *window = window_;
    return window_ ? S_OK : E_FAIL;
  });
}

IFACEMETHODIMP Ambrelo::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

IFACEMETHODIMP Ambrelo::InPlaceDeactivate() {
  return ComEntry([&]() -> HRESULT {
    if (!window_) return S_OK;
    DestroyWindow(window_);
    window_ = nullptr;
    if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_.reset();
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::UIDeactivate() { return S_OK; }

IFACEMETHODIMP Ambrelo::SetObjectRects(LPCRECT posRect, LPCRECT) {
  return ComEntry([&]() -> HRESULT {
    if (!posRect) return E_POINTER;
    if (window_)
      SetWindowPos(window_, nullptr, posRect->left, posRect->top, posRect->right - posRect->left,
                   posRect->bottom - posRect->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }
IFACEMETHODIMP Ambrelo::TranslateAccelerator(LPMSG) { return S_FALSE; }
IFACEMETHODIMP Ambrelo::OnFrameWindowActivate(BOOL) { return S_OK; }
IFACEMETHODIMP Ambrelo::OnDocWindowActivate(BOOL) { return S_OK; }
IFACEMETHODIMP Ambrelo::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
IFACEMETHODIMP Ambrelo::EnableModeless(BOOL) { return S_OK; }

IFACEMETHODIMP Ambrelo::GetControlInfo(CONTROLINFO* info) {
  return ComEntry([&]() -> HRESULT {
    if (!info) return E_POINTER;
    info->cb = sizeof *info;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::OnMnemonic(MSG*) { return E_NOTIMPL; }

IFACEMETHODIMP Ambrelo::OnAmbientPropertyChange(DISPID id) {
  return ComEntry([&]() -> HRESULT {
    if (id == DISPID_AMBIENT_USERMODE || id == DISPID_UNKNOWN) {
      ReadAmbientUserMode();
      ApplyVisibility();
      if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
    }
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::FreezeEvents(BOOL freeze) {
  return ComEntry([&]() -> HRESULT {
    if (freeze) {
      ++frozen_;
    } else if (frozen_ > 0) {
      --frozen_;
    }
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC drawDc, LPCRECTL bounds, LPCRECTL,
                             BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  return ComEntry([&]() -> HRESULT {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!drawDc || !bounds) return E_INVALIDARG;
    if (UserMode()) return S_OK;  // invisible at run time
    RECT r{bounds->left, bounds->top, bounds->right, bounds->bottom};
    return DrawToolboxImage(drawDc, r) ? S_OK : E_FAIL;
  });
}

IFACEMETHODIMP Ambrelo::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  return ComEntry([&]() -> HRESULT {
    if (colors) *colors = nullptr;
    return S_FALSE;
  });
}

IFACEMETHODIMP Ambrelo::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
IFACEMETHODIMP Ambrelo::Unfreeze(DWORD) { return E_NOTIMPL; }

IFACEMETHODIMP Ambrelo::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* sink) {
  return ComEntry([&]() -> HRESULT {
    viewSink_ = rt::ComPtr<IAdviseSink>(sink);
    viewAspects_ = aspects;
    viewAdvf_ = advf;
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::GetAdvise(DWORD* aspects, DWORD* advf, IAdviseSink** sink) {
  return ComEntry([&]() -> HRESULT {
    if (aspects) *aspects = viewAspects_;
    if (advf) *advf = viewAdvf_;
    if (sink) {
      *sink = viewSink_.get();
      if (*sink) (*sink)->AddRef();
    }
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return ComEntry([&] { return GetExtent(aspect, size); });
}

}  // namespace amb
