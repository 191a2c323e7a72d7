#include "control_site.h"

#include <olectl.h>

#include <cmath>
#include <string>

#include "controls.h"
#include "form.h"
#include "form_model.h"
#include "screen.h"
#include "text_encoding.h"

// {90B3D80D-FF62-4C59-802C-71BB96348939}
extern "C" const IID IID_IParentControlsSite = {
    0x90B3D80D, 0xFF62, 0x4C59, {0x80, 0x2C, 0x71, 0xBB, 0x96, 0x34, 0x89, 0x39}};

namespace rt::ole {
namespace {

constexpr double kTwipsPerHimetric = 1440.0 / 2540.0;

HRESULT ReturnBool(VARIANT* result, bool value) {
  V_VT(result) = VT_BOOL;
  V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ReturnLong(VARIANT* result, LONG value) {
  V_VT(result) = VT_I4;
  V_I4(result) = value;
  return S_OK;
}

HRESULT ReturnText(VARIANT* result, const std::string& text) {
  const std::wstring wide = WideFromUtf8(text);
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

const QITAB ControlSite::kInterfaceTable[] = {
    QITABENT(ControlSite, IOleClientSite),
    QITABENT(ControlSite, IOleInPlaceSite),
    QITABENTMULTI(ControlSite, IOleWindow, IOleInPlaceSite),
    QITABENT(ControlSite, IOleControlSite),
    QITABENT(ControlSite, IDispatch),
    QITABENT(ControlSite, IParentControlsSite),
    {nullptr, 0},
};

IFACEMETHODIMP ControlSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

IFACEMETHODIMP ControlSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

IFACEMETHODIMP ControlSite::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = control_ ? control_->SurfaceWindow() : nullptr;
  return *window ? S_OK : E_FAIL;
}

// The form has no in-place frame of its own: the control gets its place and the form's window.
IFACEMETHODIMP ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !document || !position || !clip) return E_POINTER;
  *frame = nullptr;
  *document = nullptr;
  if (!control_) return E_UNEXPECTED;
  *position = *clip = control_->PixelRect();
  if (info) {
    info->fMDIApp = FALSE;
    info->hwndFrame = control_->Parent().hWnd();
    info->haccel = nullptr;
    info->cAccelEntries = 0;
  }
  return S_OK;
}

IFACEMETHODIMP ControlSite::OnPosRectChange(LPCRECT position) {
  if (!position) return E_POINTER;
  if (!control_) return E_UNEXPECTED;
  ScreenObject& screen = Screen();
  control_->Move(static_cast<int>(screen.PixelsToTwipsX(position->left)),
                 static_cast<int>(screen.PixelsToTwipsY(position->top)),
                 static_cast<int>(screen.PixelsToTwipsX(position->right - position->left)),
                 static_cast<int>(screen.PixelsToTwipsY(position->bottom - position->top)));
  return S_OK;
}

IFACEMETHODIMP ControlSite::GetExtendedControl(IDispatch** extender) {
  if (!extender) return E_POINTER;
  *extender = nullptr;
  FormModel* model = control_ ? control_->Parent().ObjectModel() : nullptr;
  if (!model) return E_UNEXPECTED;
  *extender = model->ObjectOf(*control_);
  if (*extender) (*extender)->AddRef();
  return *extender ? S_OK : E_OUTOFMEMORY;
}

// The form's units are twips.
IFACEMETHODIMP ControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
  if (!himetric || !container) return E_POINTER;
  if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
    container->x = static_cast<float>(himetric->x * kTwipsPerHimetric);
    container->y = static_cast<float>(himetric->y * kTwipsPerHimetric);
  } else if (flags & XFORMCOORDS_CONTAINERTOHIMETRIC) {
    himetric->x = std::lround(container->x / kTwipsPerHimetric);
    himetric->y = std::lround(container->y / kTwipsPerHimetric);
  } else {
    return E_INVALIDARG;
  }
  return S_OK;
}

IFACEMETHODIMP ControlSite::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

IFACEMETHODIMP ControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

IFACEMETHODIMP ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (!result) return E_POINTER;
  VariantInit(result);
  if (!control_) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case DISPID_AMBIENT_USERMODE: return ReturnBool(result, true);
    case DISPID_AMBIENT_UIDEAD:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
    case DISPID_AMBIENT_DISPLAYASDEFAULT:
    case DISPID_AMBIENT_MESSAGEREFLECT: return ReturnBool(result, false);
    case DISPID_AMBIENT_DISPLAYNAME: return ReturnText(result, control_->Name());
    case DISPID_AMBIENT_SCALEUNITS: return ReturnText(result, "Twip");
    case DISPID_AMBIENT_LOCALEID: return ReturnLong(result, static_cast<LONG>(GetUserDefaultLCID()));
    case DISPID_AMBIENT_BACKCOLOR: return ReturnLong(result, static_cast<LONG>(control_->Parent().BackColor()));
    case DISPID_AMBIENT_FORECOLOR: return ReturnLong(result, static_cast<LONG>(SystemColor(COLOR_BTNTEXT)));
  }
  return DISP_E_MEMBERNOTFOUND;
}

IFACEMETHODIMP ControlSite::ParentControls(IDispatch** controls) {
  if (!controls) return E_POINTER;
  *controls = nullptr;
  FormModel* model = control_ ? control_->Parent().ObjectModel() : nullptr;
  if (!model) return E_UNEXPECTED;
  *controls = model->ParentControls().detach();
  return *controls ? S_OK : E_OUTOFMEMORY;
}

}  // namespace rt::ole
