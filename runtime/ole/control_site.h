#pragma once
// The site of a COM control on a form: client site, in-place site, control site with the
// extender, the ambient properties by IDispatch (the program runs: UserMode is True) and the
// form's controls. It outlives the control's hold on it; once its control is gone it answers
// nothing more of the form.
#include <windows.h>
#include <ocidl.h>

#include "com_object.h"
#include "parent_controls_site.h"

namespace rt {
class OleControl;
}

namespace rt::ole {

class ControlSite final : public ComObject<ControlSite, IOleClientSite, IOleInPlaceSite, IOleControlSite, IDispatch,
                                         IParentControlsSite> {
 public:
  static const QITAB kInterfaceTable[];
  explicit ControlSite(OleControl& control) : control_(&control) {}
  void Detach() { control_ = nullptr; }

  // IOleClientSite
  IFACEMETHODIMP SaveObject() override { return S_OK; }
  IFACEMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  IFACEMETHODIMP GetContainer(IOleContainer** container) override;
  IFACEMETHODIMP ShowObject() override { return S_OK; }
  IFACEMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  IFACEMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, IOleInPlaceSite
  IFACEMETHODIMP GetWindow(HWND* window) override;
  IFACEMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  IFACEMETHODIMP CanInPlaceActivate() override { return control_ ? S_OK : S_FALSE; }
  IFACEMETHODIMP OnInPlaceActivate() override { return S_OK; }
  IFACEMETHODIMP OnUIActivate() override { return S_OK; }
  IFACEMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  IFACEMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  IFACEMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  IFACEMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  IFACEMETHODIMP DiscardUndoState() override { return S_OK; }
  IFACEMETHODIMP DeactivateAndUndo() override { return S_OK; }
  IFACEMETHODIMP OnPosRectChange(LPCRECT position) override;

  // IOleControlSite
  IFACEMETHODIMP OnControlInfoChanged() override { return S_OK; }
  IFACEMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  IFACEMETHODIMP GetExtendedControl(IDispatch** extender) override;
  IFACEMETHODIMP TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
  IFACEMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  IFACEMETHODIMP OnFocus(BOOL) override { return S_OK; }
  IFACEMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambient properties, by their standard ids
  IFACEMETHODIMP GetTypeInfoCount(UINT* count) override;
  IFACEMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  IFACEMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  IFACEMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                        UINT*) override;

  // IParentControlsSite
  IFACEMETHODIMP ParentControls(IDispatch** controls) override;

 private:
  OleControl* control_;
};

}  // namespace rt::ole
