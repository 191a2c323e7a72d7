#pragma once
// The control object: every interface a container uses to host, persist and talk to it, over one
// property store. The implementation is split by interface group (ambrelo_*.cpp).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "ambrelo_h.h"
#include "ambrelo_settings.h"
#include "com_object.h"
#include "control_scaling_work.h"
#include "deferred_moves.h"
#include "flag_records.h"
#include "form_event_sink.h"
#include "form_lifecycle.h"
#include "own_type_library.h"
#include "print_sizing.h"
#include "resize_engine.h"
#include "scoped_win.h"
#include "win32_effect_platform.h"
#include "win32_lifecycle_platform.h"
#include "win32_picture_tools.h"
#include "win32_placement_platform.h"
#include "win32_print_platform.h"

namespace amb {

class Ambrelo final
    : public ComObject<Ambrelo, OwnDispatch<_Ambrelo>, IOleObject, IOleInPlaceObject, IOleInPlaceActiveObject, IOleControl,
                       IViewObject2, IPersistPropertyBag, IPersistStreamInit, IConnectionPointContainer,
                       IProvideClassInfo2, ISpecifyPropertyPages, ISupportErrorInfo> {
 public:
  static const QITAB kInterfaceTable[];
  static HRESULT Create(REFIID riid, void** ppv);

  // Events, for the parts that raise them; nothing is sent while the container froze events.
  void FireResizeStarted();
  void FireResizeDone();
  // The Error event with an error object that describes it (number 0: the report has no error
  // number of its own, and the object carries the library's "application-defined" one).
  void FireError(const std::string& description, int32_t number);
  void FirePrintCancelled();

  // IDispatch: the type library's own, but for PrintSize's left-out arguments.
  IFACEMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excepInfo, UINT* argError) override;

  // _Ambrelo, in the order of the interface
  IFACEMETHODIMP get_colControlInfo(IDispatch** value) override;
  IFACEMETHODIMP putref_colControlInfo(IDispatch* value) override;
  IFACEMETHODIMP get_colControlFlags(IDispatch** value) override;
  IFACEMETHODIMP putref_colControlFlags(IDispatch* value) override;
  IFACEMETHODIMP ScalePicture(IDispatch** picture, double* xScale, double* yScale, IDispatch** result) override;
  IFACEMETHODIMP SizePicture(IDispatch** picture, short* xSize, short* ySize, IDispatch** result) override;
  IFACEMETHODIMP CenterPicture(IDispatch** container, IDispatch** picture, VARIANT* result) override;
  IFACEMETHODIMP TilePicture(IDispatch** container, IDispatch** picture, VARIANT* result) override;
  IFACEMETHODIMP get_ScaleFonts(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ScaleFonts(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_BeepOnMinMax(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_BeepOnMinMax(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ResizeAtOnce(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ResizeAtOnce(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_CenterX(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_CenterX(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_CenterY(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_CenterY(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_GradientFill(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_GradientFill(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_GradientColour(OLE_COLOR* value) override;
  IFACEMETHODIMP put_GradientColour(OLE_COLOR value) override;
  IFACEMETHODIMP get_GradientColour2(OLE_COLOR* value) override;
  IFACEMETHODIMP put_GradientColour2(OLE_COLOR value) override;
  IFACEMETHODIMP get_GradientMidColour(OLE_COLOR* value) override;
  IFACEMETHODIMP put_GradientMidColour(OLE_COLOR value) override;
  IFACEMETHODIMP get_GradientSource(GradientSources* value) override;
  IFACEMETHODIMP put_GradientSource(GradientSources value) override;
  IFACEMETHODIMP get_GradientType(GradientTypes* value) override;
  IFACEMETHODIMP put_GradientType(GradientTypes value) override;
  IFACEMETHODIMP get_ScaleControls(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ScaleControls(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ScaleX(short* value) override;
  IFACEMETHODIMP put_ScaleX(short value) override;
  IFACEMETHODIMP get_ScaleY(short* value) override;
  IFACEMETHODIMP put_ScaleY(short value) override;
  IFACEMETHODIMP get_StayOnTop(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_StayOnTop(VARIANT_BOOL value) override;
  IFACEMETHODIMP Reset(VARIANT* result) override;
  IFACEMETHODIMP get_MinWidth(LONG* value) override;
  IFACEMETHODIMP put_MinWidth(LONG value) override;
  IFACEMETHODIMP get_MinHeight(LONG* value) override;
  IFACEMETHODIMP put_MinHeight(LONG value) override;
  IFACEMETHODIMP get_MaxWidth(LONG* value) override;
  IFACEMETHODIMP put_MaxWidth(LONG value) override;
  IFACEMETHODIMP get_MaxHeight(LONG* value) override;
  IFACEMETHODIMP put_MaxHeight(LONG value) override;
  IFACEMETHODIMP get_ScaleBorders(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ScaleBorders(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_MdiChildWidth(LONG* value) override;
  IFACEMETHODIMP put_MdiChildWidth(LONG value) override;
  IFACEMETHODIMP get_MdiChildHeight(LONG* value) override;
  IFACEMETHODIMP put_MdiChildHeight(LONG value) override;
  IFACEMETHODIMP SaveControlInfo(VARIANT* ctrl, float* formWidth, float* formHeight) override;
  IFACEMETHODIMP SaveControlFlags(VARIANT* ctrl) override;
  IFACEMETHODIMP get_ResizeOnMouseUp(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ResizeOnMouseUp(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_FormControls(IDispatch** value) override;
  IFACEMETHODIMP putref_FormControls(IDispatch* value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleControl(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleControl(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleFont(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleFont(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleBorder(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleBorder(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleGraphic(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleGraphic(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleLeft(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleLeft(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleTop(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleTop(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleWidth(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleWidth(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleHeight(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleHeight(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleRight(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleRight(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagDontScaleBottom(short* n, VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ControlFlagDontScaleBottom(short* n, VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ControlFlagCount(short* value) override;
  IFACEMETHODIMP put_ControlFlagCount(short value) override;
  IFACEMETHODIMP get_ControlFlagControlKey(short* n, BSTR* value) override;
  IFACEMETHODIMP put_ControlFlagControlKey(short* n, BSTR value) override;
  IFACEMETHODIMP get_ScaleGraphics(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_ScaleGraphics(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_ReplaceFontsWith(BSTR* value) override;
  IFACEMETHODIMP put_ReplaceFontsWith(BSTR value) override;
  IFACEMETHODIMP SaveWindowSettings() override;
  IFACEMETHODIMP LoadWindowSettings() override;
  IFACEMETHODIMP get_SaveWindowState(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_SaveWindowState(VARIANT_BOOL value) override;
  IFACEMETHODIMP get_WindowName(BSTR* value) override;
  IFACEMETHODIMP put_WindowName(BSTR value) override;
  IFACEMETHODIMP PrintSize(VARIANT_BOOL* enabled, float* printWidth, float* printHeight, LONG* scaleMode,
                           VARIANT_BOOL* hide, VARIANT_BOOL* showDialog, VARIANT_BOOL* allowCancel,
                           short* result) override;
  IFACEMETHODIMP AdjustPosition(VARIANT* ctrl) override;
  IFACEMETHODIMP get_FormPicture(FormPictureEffects* value) override;
  IFACEMETHODIMP put_FormPicture(FormPictureEffects value) override;
  IFACEMETHODIMP get_FormClose(FormCloseEffects* value) override;
  IFACEMETHODIMP put_FormClose(FormCloseEffects value) override;
  IFACEMETHODIMP get_FormCloseTime(float* value) override;
  IFACEMETHODIMP put_FormCloseTime(float value) override;
  IFACEMETHODIMP get_FormOpen(FormOpenEffects* value) override;
  IFACEMETHODIMP get_FormOpenTime(float* value) override;
  IFACEMETHODIMP put_FormOpenTime(float value) override;
  IFACEMETHODIMP put_FormOpen(FormOpenEffects value) override;
  IFACEMETHODIMP AboutBox() override;
  IFACEMETHODIMP get_Enabled(VARIANT_BOOL* value) override;
  IFACEMETHODIMP put_Enabled(VARIANT_BOOL value) override;
  IFACEMETHODIMP UpdateControl(VARIANT* ctrl) override;

  // IOleObject
  IFACEMETHODIMP SetClientSite(IOleClientSite* site) override;
  IFACEMETHODIMP GetClientSite(IOleClientSite** site) override;
  IFACEMETHODIMP SetHostNames(LPCOLESTR app, LPCOLESTR object) override;
  IFACEMETHODIMP Close(DWORD saveOption) override;
  IFACEMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
  IFACEMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  IFACEMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
  IFACEMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
  IFACEMETHODIMP DoVerb(LONG verb, LPMSG msg, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT posRect) override;
  IFACEMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
  IFACEMETHODIMP Update() override;
  IFACEMETHODIMP IsUpToDate() override;
  IFACEMETHODIMP GetUserClassID(CLSID* clsid) override;
  IFACEMETHODIMP GetUserType(DWORD form, LPOLESTR* userType) override;
  IFACEMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
  IFACEMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
  IFACEMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
  IFACEMETHODIMP Unadvise(DWORD connection) override;
  IFACEMETHODIMP EnumAdvise(IEnumSTATDATA** advise) override;
  IFACEMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
  IFACEMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

  // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
  IFACEMETHODIMP GetWindow(HWND* window) override;
  IFACEMETHODIMP ContextSensitiveHelp(BOOL enter) override;
  IFACEMETHODIMP InPlaceDeactivate() override;
  IFACEMETHODIMP UIDeactivate() override;
  IFACEMETHODIMP SetObjectRects(LPCRECT posRect, LPCRECT clipRect) override;
  IFACEMETHODIMP ReactivateAndUndo() override;
  IFACEMETHODIMP TranslateAccelerator(LPMSG msg) override;
  IFACEMETHODIMP OnFrameWindowActivate(BOOL activate) override;
  IFACEMETHODIMP OnDocWindowActivate(BOOL activate) override;
  IFACEMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
  IFACEMETHODIMP EnableModeless(BOOL enable) override;

  // IOleControl
  IFACEMETHODIMP GetControlInfo(CONTROLINFO* info) override;
  IFACEMETHODIMP OnMnemonic(MSG* msg) override;
  IFACEMETHODIMP OnAmbientPropertyChange(DISPID id) override;
  IFACEMETHODIMP FreezeEvents(BOOL freeze) override;

  // IViewObject2
  IFACEMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc, HDC drawDc,
                      LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR contArg) override;
  IFACEMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDc,
                             LOGPALETTE** colors) override;
  IFACEMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
  IFACEMETHODIMP Unfreeze(DWORD freeze) override;
  IFACEMETHODIMP SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* sink) override;
  IFACEMETHODIMP GetAdvise(DWORD* aspects, DWORD* advf, IAdviseSink** sink) override;
  IFACEMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

  // IPersist, IPersistPropertyBag, IPersistStreamInit
  IFACEMETHODIMP GetClassID(CLSID* clsid) override;
  IFACEMETHODIMP InitNew() override;
  IFACEMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
  IFACEMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
  IFACEMETHODIMP IsDirty() override;
  IFACEMETHODIMP Load(LPSTREAM stream) override;
  IFACEMETHODIMP Save(LPSTREAM stream, BOOL clearDirty) override;
  IFACEMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;

  // IConnectionPointContainer
  IFACEMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
  IFACEMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;

  // IProvideClassInfo2
  IFACEMETHODIMP GetClassInfo(ITypeInfo** info) override;
  IFACEMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

  // ISpecifyPropertyPages
  IFACEMETHODIMP GetPages(CAUUID* pages) override;

  // ISupportErrorInfo
  IFACEMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) override;

 private:
  Ambrelo();
  ~Ambrelo() override;

  // What the resize engine asks of the control: the bound form, its controls, the lock, events.
  class EngineSide final : public EngineHost {
   public:
    explicit EngineSide(Ambrelo& control) : control_(control) {}
    HostObjectPtr Form() override { return control_.engineForm_; }
    intptr_t FormWindow() override {
      HostForm* form = control_.lifecycle_.Host();
      intptr_t window = 0;
      return form && GetWindowHandle(*form, window) ? window : 0;
    }
    HostObjectPtr ParentControls() override;
    bool Initialised() override { return control_.lifecycle_.Initialised(); }
    void LockUpdates(bool on) override { control_.lifecycle_.LockUpdates(on); }
    void ResizeStarted() override { control_.FireResizeStarted(); }
    void ResizeDone() override { control_.FireResizeDone(); }
    void ReportError(const std::string& description, int32_t number) override {
      control_.FireError(description, number);
    }

   private:
    Ambrelo& control_;
  };
  // What print sizing reports.
  class PrintSide final : public PrintEvents {
   public:
    explicit PrintSide(Ambrelo& control) : control_(control) {}
    void PrintError(const std::string& description, int32_t number) override {
      control_.FireError(description, number);
    }
    void PrintCancelled() override { control_.FirePrintCancelled(); }

   private:
    Ambrelo& control_;
  };
  HRESULT RecordWith(VARIANT* ctrl, HostStatus (ResizeEngine::*step)(HostObject&));
  HRESULT RecordControlIn(VARIANT* ctrl, HostStatus (ResizeEngine::*record)(HostObject*));
  HRESULT MakeAdviseHolder();

  // Sends the container "changed" for the member called name, unless properties are being read.
  void PropertyChanged(const wchar_t* name);
  // The dispatch id the type library gives a member; DISPID_UNKNOWN for none.
  DISPID MemberId(const wchar_t* name);
  void FireEvent(DISPID id, DISPPARAMS& params);
  bool UserMode() const { return userMode_; }
  void ReadAmbientUserMode();
  rt::ComPtr<IDispatch> ParentControls() const;
  DesignSize DesignSizeToWrite() const;
  void LoadFrom(class BagReader& bag);
  void HookHostForm();
  rt::ComPtr<IDispatch> ExtenderParent() const;
  void UnhookHostForm();
  void ApplyVisibility();

  template <class T, class Out>
  HRESULT GetField(T AmbreloSettings::*field, Out* out) const;
  HRESULT GetFlag(bool AmbreloSettings::*field, VARIANT_BOOL* out) const;
  HRESULT LetFlag(bool AmbreloSettings::*field, VARIANT_BOOL value, const wchar_t* name);
  template <class T>
  HRESULT LetValue(T AmbreloSettings::*field, T value, const wchar_t* name);
  HRESULT GetText(std::string AmbreloSettings::*field, BSTR* out) const;
  HRESULT LetText(std::string AmbreloSettings::*field, BSTR value, const wchar_t* name);
  HRESULT LetEffect(int16_t AmbreloSettings::*field, LONG value, const wchar_t* name);
  HRESULT LetLimit(int32_t AmbreloSettings::*field, LONG value, const wchar_t* name);
  HRESULT LetGradient(int32_t AmbreloSettings::*field, int32_t value, const wchar_t* name);
  HRESULT PlaceForm(std::initializer_list<HostStatus (ScalingWork::*)()> steps);
  HRESULT GetEntryFlag(short* n, DontScale flag, VARIANT_BOOL* out) const;
  HRESULT LetEntryFlag(short* n, DontScale flag, VARIANT_BOOL value);

  // In-place window (shows the toolbox image while the form is designed)
  HRESULT ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT posRect);

  rt::ComPtr<IOleClientSite> site_;
  rt::ComPtr<IOleInPlaceSite> inPlaceSite_;
  rt::ComPtr<IOleAdviseHolder> adviseHolder_;
  rt::ComPtr<IAdviseSink> viewSink_;
  DWORD viewAspects_ = 0, viewAdvf_ = 0;
  rt::ComPtr<IDispatch> formControls_;
  HWND window_ = nullptr;
  ConnectionPoint eventPoint_;
  ConnectionPoint notifyPoint_;
  AmbreloSettings settings_;
  FlagRecords flagRecords_;
  // The host form is followed through the lifecycle; its timers tick on the platform's window.
  Win32LifecyclePlatform lifecyclePlatform_{[this](LifecycleTimer t) { lifecycle_.OnTimer(t); }};
  // The engine is built after the lifecycle whose resize state it shares; the lifecycle reaches
  // it only through scalingWork_ once both exist.
  Win32PlacementPlatform placementPlatform_;
  Win32EffectPlatform effectPlatform_;
  ControlScalingWork scalingWork_{settings_, lifecycle_, engine_, placementPlatform_, effectPlatform_,
                                  [this] { PropertyChanged(L"WindowName"); }};
  FormLifecycle lifecycle_{settings_, lifecyclePlatform_, scalingWork_};
  Win32PictureTools pictures_;
  DeferredWindowMoves windowMoves_;
  EngineSide engineSide_{*this};
  ResizeEngine engine_{settings_, lifecycle_.Resize(), flagRecords_, engineSide_, pictures_, windowMoves_};
  PrintSide printSide_{*this};
  Win32PrintPlatform printPlatform_{static_cast<_Ambrelo*>(this)};
  PrintSizing printSizing_{settings_, lifecycle_, scalingWork_, printPlatform_, printSide_};
  HostObjectPtr engineForm_;
  rt::ComPtr<FormEventSink> formEvents_;
  bool userMode_ = true;
  bool loading_ = false;
  bool dirty_ = false;
  LONG frozen_ = 0;
  DISPID printSizeId_ = DISPID_UNKNOWN;
};

}  // namespace amb
