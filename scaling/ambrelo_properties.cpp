// The members of _Ambrelo: every accessor limits or converts, stores, notifies the container and
// only then runs its further action. Further actions that act on the host form need a bound host;
// without one they are the no-host case: the value is only stored.
#include <cmath>

#include "ambrelo_control.h"
#include "automation_error.h"
#include "com_module.h"
#include "dll_forms.h"
#include "frm_about.h"
#include "property_limits.h"
#include "record_objects.h"
#include "wide_text.h"

namespace amb {
namespace {

// The window that called the about box, disabled while the box is up and given back (enabled and
// active again) however the call ends.
class CallerDisabled {
 public:
  explicit CallerDisabled(HWND caller) : caller_(caller), disabled_(caller && EnableWindow(caller, FALSE) == 0) {}
  ~CallerDisabled() {
    if (!disabled_ || !IsWindow(caller_)) return;
    EnableWindow(caller_, TRUE);
    SetActiveWindow(caller_);
  }
  CallerDisabled(const CallerDisabled&) = delete;
  CallerDisabled& operator=(const CallerDisabled&) = delete;

 private:
  HWND caller_;
  bool disabled_;
};

}  // namespace

inline VARIANT_BOOL ToVariantBool(bool b) { return b ? VARIANT_TRUE : VARIANT_FALSE; }

template <class T, class Out>
HRESULT Ambrelo::GetField(T AmbreloSettings::*field, Out* out) const {
  if (!out) return E_POINTER;
  *out = static_cast<Out>(settings_.*field);
  return S_OK;
}

HRESULT Ambrelo::GetFlag(bool AmbreloSettings::*field, VARIANT_BOOL* out) const {
  if (!out) return E_POINTER;
  *out = ToVariantBool(settings_.*field);
  return S_OK;
}

HRESULT Ambrelo::LetFlag(bool AmbreloSettings::*field, VARIANT_BOOL value, const wchar_t* name) {
  settings_.*field = value != VARIANT_FALSE;
  PropertyChanged(name);
  return S_OK;
}

template <class T>
HRESULT Ambrelo::LetValue(T AmbreloSettings::*field, T value, const wchar_t* name) {
  settings_.*field = value;
  PropertyChanged(name);
  return S_OK;
}

HRESULT Ambrelo::GetText(std::string AmbreloSettings::*field, BSTR* out) const {
  if (!out) return E_POINTER;
  *out = AllocBstr(settings_.*field);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT Ambrelo::LetText(std::string AmbreloSettings::*field, BSTR value, const wchar_t* name) {
  settings_.*field = Utf8FromBstr(value);
  PropertyChanged(name);
  return S_OK;
}

HRESULT Ambrelo::LetEffect(int16_t AmbreloSettings::*field, LONG value, const wchar_t* name) {
  std::optional<int16_t> narrowed = NarrowEffect(value);
  if (!narrowed) return RaiseAutomationError(kErrOverflow);
  settings_.*field = *narrowed;
  PropertyChanged(name);
  return S_OK;
}

// The record collections are the engine's own lists. Only a collection of the same kind made by
// this library can be assigned (the control then shares its list); Nothing gives a new empty
// one on the next read; anything else is refused and changes nothing.
IFACEMETHODIMP Ambrelo::get_colControlInfo(IDispatch** value) {
  return ComEntry([&] { return NewControlInfoCollection(engine_.Records().List(), value); });
}
IFACEMETHODIMP Ambrelo::putref_colControlInfo(IDispatch* value) {
  return ComEntry([&]() -> HRESULT {
    std::shared_ptr<KeyedList<ControlRecord>> list = ControlInfoListOf(value);
    if (value && !list) return RaiseTypeMismatch(L"colControlInfo takes only a colControlInfo collection of Ambrelo");
    engine_.Records().Share(std::move(list));
    return S_OK;
  });
}
IFACEMETHODIMP Ambrelo::get_colControlFlags(IDispatch** value) {
  return ComEntry([&] { return NewControlFlagsCollection(flagRecords_.List(), value); });
}
IFACEMETHODIMP Ambrelo::putref_colControlFlags(IDispatch* value) {
  return ComEntry([&]() -> HRESULT {
    std::shared_ptr<KeyedList<FlagRecord>> list = ControlFlagsListOf(value);
    if (value && !list) return RaiseTypeMismatch(L"colControlFlags takes only a colControlFlags collection of Ambrelo");
    flagRecords_.Share(std::move(list));
    return S_OK;
  });
}

// Always 0; what goes wrong is reported through the Error event or passed over. An optional
// argument left out may arrive as a null pointer (some callers do not pass its default by
// reference): it takes its default.
IFACEMETHODIMP Ambrelo::PrintSize(VARIANT_BOOL* enabled, float* printWidth, float* printHeight, LONG* scaleMode,
                                  VARIANT_BOOL* hide, VARIANT_BOOL* showDialog, VARIANT_BOOL* allowCancel,
                                  short* result) {
  return ComEntry([&]() -> HRESULT {
    if (!enabled || !result) return E_POINTER;
    *result = 0;
    auto flag = [](const VARIANT_BOOL* b) { return b && *b != VARIANT_FALSE; };
    PrintRequest request{*enabled != VARIANT_FALSE, printWidth ? *printWidth : 0, printHeight ? *printHeight : 0,
                         scaleMode ? *scaleMode : kScaleModeTwips, flag(hide), flag(showDialog), flag(allowCancel)};
    CollectUnloadedLibraryForms();
    printSizing_.PrintSize(request);
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::get_ScaleFonts(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::scaleFonts, v); });
}
IFACEMETHODIMP Ambrelo::put_ScaleFonts(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::scaleFonts, v, L"ScaleFonts"); });
}
IFACEMETHODIMP Ambrelo::get_BeepOnMinMax(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::beepOnMinMax, v); });
}
IFACEMETHODIMP Ambrelo::put_BeepOnMinMax(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::beepOnMinMax, v, L"BeepOnMinMax"); });
}
IFACEMETHODIMP Ambrelo::get_ResizeAtOnce(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::resizeAtOnce, v); });
}
IFACEMETHODIMP Ambrelo::put_ResizeAtOnce(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::resizeAtOnce, v, L"ResizeAtOnce"); });
}
// Placement steps act on a bound host form in a running program only; their errors reach the
// caller after the value is stored.
HRESULT Ambrelo::PlaceForm(std::initializer_list<HostStatus (ScalingWork::*)()> steps) {
  for (auto step : steps) {
    HostStatus s = (scalingWork_.*step)();
    if (!s) return RaiseHostError(s);
  }
  return S_OK;
}

IFACEMETHODIMP Ambrelo::get_CenterX(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::centerX, v); });
}
IFACEMETHODIMP Ambrelo::put_CenterX(VARIANT_BOOL v) {
  return ComEntry([&]() -> HRESULT {
    LetFlag(&AmbreloSettings::centerX, v, L"CenterX");
    return PlaceForm({&ScalingWork::CenterFormX});
  });
}
IFACEMETHODIMP Ambrelo::get_CenterY(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::centerY, v); });
}
IFACEMETHODIMP Ambrelo::put_CenterY(VARIANT_BOOL v) {
  return ComEntry([&]() -> HRESULT {
    LetFlag(&AmbreloSettings::centerY, v, L"CenterY");
    return PlaceForm({&ScalingWork::CenterFormY});
  });
}

// Painted into the form's persistent image, or that image cleared, with AutoRedraw as the program
// had it afterwards. Without a host (or with an MDI parent form) there is nothing to paint: the
// value is stored and no error is raised.
IFACEMETHODIMP Ambrelo::get_GradientFill(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::gradientFill, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientFill(VARIANT_BOOL v) {
  return ComEntry([&]() -> HRESULT {
    LetFlag(&AmbreloSettings::gradientFill, v, L"GradientFill");
    HostForm* host = lifecycle_.Host();
    if (!lifecycle_.Active() || !host || host->IsMdiParent()) return S_OK;
    bool autoRedraw = false;
    HostStatus s = GetBoolean(*host, "AutoRedraw", autoRedraw);
    if (!s) return RaiseHostError(s);
    s = host->Let("AutoRedraw", true);
    if (s && settings_.gradientFill) {
      s = scalingWork_.PaintGradient();
    } else if (s) {
      std::vector<BagValue> none;
      s = host->Call("Cls", none, nullptr);
    }
    HostStatus back = host->Let("AutoRedraw", autoRedraw);
    if (s) s = back;
    return s ? S_OK : RaiseHostError(s);
  });
}

HRESULT Ambrelo::LetGradient(int32_t AmbreloSettings::*field, int32_t value, const wchar_t* name) {
  LetValue(field, value, name);
  return settings_.gradientFill ? PlaceForm({&ScalingWork::PaintGradient}) : S_OK;
}

IFACEMETHODIMP Ambrelo::get_GradientColour(OLE_COLOR* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::gradientColour, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientColour(OLE_COLOR v) {
  return ComEntry([&]() -> HRESULT {
    return LetGradient(&AmbreloSettings::gradientColour, static_cast<LONG>(v), L"GradientColour");
  });
}
IFACEMETHODIMP Ambrelo::get_GradientColour2(OLE_COLOR* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::gradientColour2, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientColour2(OLE_COLOR v) {
  return ComEntry([&]() -> HRESULT {
    return LetGradient(&AmbreloSettings::gradientColour2, static_cast<LONG>(v), L"GradientColour2");
  });
}
IFACEMETHODIMP Ambrelo::get_GradientMidColour(OLE_COLOR* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::gradientMidColour, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientMidColour(OLE_COLOR v) {
  return ComEntry([&]() -> HRESULT {
    return LetGradient(&AmbreloSettings::gradientMidColour, static_cast<LONG>(v), L"GradientMidColour");
  });
}
// Any value is stored; the painter decides what an unknown source or type draws.
IFACEMETHODIMP Ambrelo::get_GradientSource(GradientSources* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::gradientSource, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientSource(GradientSources v) {
  return ComEntry([&] { return LetGradient(&AmbreloSettings::gradientSource, v, L"GradientSource"); });
}
IFACEMETHODIMP Ambrelo::get_GradientType(GradientTypes* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::gradientType, v); });
}
IFACEMETHODIMP Ambrelo::put_GradientType(GradientTypes v) {
  return ComEntry([&] { return LetGradient(&AmbreloSettings::gradientType, v, L"GradientType"); });
}
// Once the host's first-time setup is done, the new setting or limit takes effect at once, as a
// resize of the form would apply it.
IFACEMETHODIMP Ambrelo::get_ScaleControls(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::scaleControls, v); });
}
IFACEMETHODIMP Ambrelo::put_ScaleControls(VARIANT_BOOL v) {
  return ComEntry([&]() -> HRESULT {
    HRESULT hr = LetFlag(&AmbreloSettings::scaleControls, v, L"ScaleControls");
    if (lifecycle_.Initialised()) lifecycle_.OnFormResize();
    return hr;
  });
}
IFACEMETHODIMP Ambrelo::get_ScaleX(short* v) { return ComEntry([&] { return GetField(&AmbreloSettings::scaleX, v); }); }
IFACEMETHODIMP Ambrelo::put_ScaleX(short v) {
  return ComEntry([&]() -> HRESULT {
    LetValue(&AmbreloSettings::scaleX, LimitPercent(v), L"ScaleX");
    return PlaceForm({&ScalingWork::SizeFormToScreen, &ScalingWork::CenterFormX});
  });
}
IFACEMETHODIMP Ambrelo::get_ScaleY(short* v) { return ComEntry([&] { return GetField(&AmbreloSettings::scaleY, v); }); }
IFACEMETHODIMP Ambrelo::put_ScaleY(short v) {
  return ComEntry([&]() -> HRESULT {
    LetValue(&AmbreloSettings::scaleY, LimitPercent(v), L"ScaleY");
    return PlaceForm({&ScalingWork::SizeFormToScreen, &ScalingWork::CenterFormY});
  });
}
// True to False lets the form go below others again; False to False leaves a form that is
// topmost for reasons of its own as it is.
IFACEMETHODIMP Ambrelo::get_StayOnTop(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::stayOnTop, v); });
}
IFACEMETHODIMP Ambrelo::put_StayOnTop(VARIANT_BOOL v) {
  return ComEntry([&]() -> HRESULT {
    const bool wasOnTop = settings_.stayOnTop;
    LetFlag(&AmbreloSettings::stayOnTop, v, L"StayOnTop");
    if (settings_.stayOnTop)
      scalingWork_.SetTopMost();
    else if (wasOnTop)
      scalingWork_.ClearTopMost();
    return S_OK;
  });
}

// The new reference is the host form's current inner size; with no host bound that read fails
// as an unset object does.
IFACEMETHODIMP Ambrelo::Reset(VARIANT* result) {
  return ComEntry([&]() -> HRESULT {
    if (result) VariantInit(result);
    if (!lifecycle_.Host() || !engineForm_) return RaiseAutomationError(kErrObjectNotSet);
    HostStatus s = lifecycle_.Reset();
    return s ? S_OK : RaiseHostError(s);
  });
}

HRESULT Ambrelo::LetLimit(int32_t AmbreloSettings::*field, LONG value, const wchar_t* name) {
  HRESULT hr = LetValue<int32_t>(field, LimitTrackSize(value), name);
  if (lifecycle_.Initialised()) lifecycle_.OnFormResize();
  return hr;
}

IFACEMETHODIMP Ambrelo::get_MinWidth(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::minWidth, v); });
}
IFACEMETHODIMP Ambrelo::put_MinWidth(LONG v) {
  return ComEntry([&] { return LetLimit(&AmbreloSettings::minWidth, v, L"MinWidth"); });
}
IFACEMETHODIMP Ambrelo::get_MinHeight(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::minHeight, v); });
}
IFACEMETHODIMP Ambrelo::put_MinHeight(LONG v) {
  return ComEntry([&] { return LetLimit(&AmbreloSettings::minHeight, v, L"MinHeight"); });
}
IFACEMETHODIMP Ambrelo::get_MaxWidth(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::maxWidth, v); });
}
IFACEMETHODIMP Ambrelo::put_MaxWidth(LONG v) {
  return ComEntry([&] { return LetLimit(&AmbreloSettings::maxWidth, v, L"MaxWidth"); });
}
IFACEMETHODIMP Ambrelo::get_MaxHeight(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::maxHeight, v); });
}
IFACEMETHODIMP Ambrelo::put_MaxHeight(LONG v) {
  return ComEntry([&] { return LetLimit(&AmbreloSettings::maxHeight, v, L"MaxHeight"); });
}
IFACEMETHODIMP Ambrelo::get_ScaleBorders(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::scaleBorders, v); });
}
IFACEMETHODIMP Ambrelo::put_ScaleBorders(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::scaleBorders, v, L"ScaleBorders"); });
}
IFACEMETHODIMP Ambrelo::get_MdiChildWidth(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::mdiChildWidth, v); });
}
IFACEMETHODIMP Ambrelo::put_MdiChildWidth(LONG v) {
  return ComEntry([&] { return LetValue<int32_t>(&AmbreloSettings::mdiChildWidth, v, L"MdiChildWidth"); });
}
IFACEMETHODIMP Ambrelo::get_MdiChildHeight(LONG* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::mdiChildHeight, v); });
}
IFACEMETHODIMP Ambrelo::put_MdiChildHeight(LONG v) {
  return ComEntry([&] { return LetValue<int32_t>(&AmbreloSettings::mdiChildHeight, v, L"MdiChildHeight"); });
}
IFACEMETHODIMP Ambrelo::get_ResizeOnMouseUp(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::resizeOnMouseUp, v); });
}
IFACEMETHODIMP Ambrelo::put_ResizeOnMouseUp(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::resizeOnMouseUp, v, L"ResizeOnMouseUp"); });
}

IFACEMETHODIMP Ambrelo::get_FormControls(IDispatch** v) {
  return ComEntry([&]() -> HRESULT {
    if (!v) return E_POINTER;
    *v = formControls_.get();
    if (*v) (*v)->AddRef();
    return S_OK;
  });
}
IFACEMETHODIMP Ambrelo::putref_FormControls(IDispatch* v) {
  return ComEntry([&]() -> HRESULT {
    formControls_ = rt::ComPtr<IDispatch>(v);
    PropertyChanged(L"FormControls");
    return S_OK;
  });
}

HRESULT Ambrelo::GetEntryFlag(short* n, DontScale flag, VARIANT_BOOL* out) const {
  if (!n || !out) return E_POINTER;
  const FlagEntry* entry = settings_.flags.Entry(*n);
  if (!entry) return RaiseAutomationError(kErrSubscriptOutOfRange);
  *out = ToVariantBool((*entry)[flag]);
  return S_OK;
}

HRESULT Ambrelo::LetEntryFlag(short* n, DontScale flag, VARIANT_BOOL value) {
  if (!n) return E_POINTER;
  FlagEntry* entry = settings_.flags.Entry(*n);
  if (!entry) return RaiseAutomationError(kErrSubscriptOutOfRange);
  (*entry)[flag] = value != VARIANT_FALSE;
  PropertyChanged(WideFromUtf8(FlagPropertyName(flag)).c_str());
  return S_OK;
}

#define AMB_ENTRY_FLAG(Name)                                                    \
  IFACEMETHODIMP Ambrelo::get_ControlFlagDontScale##Name(short* n, VARIANT_BOOL* v) { \
    return GetEntryFlag(n, DontScale::Name, v);                                  \
  }                                                                              \
  IFACEMETHODIMP Ambrelo::put_ControlFlagDontScale##Name(short* n, VARIANT_BOOL v) {  \
    return LetEntryFlag(n, DontScale::Name, v);                                  \
  }
AMB_ENTRY_FLAG(Control)
AMB_ENTRY_FLAG(Font)
AMB_ENTRY_FLAG(Border)
AMB_ENTRY_FLAG(Graphic)
AMB_ENTRY_FLAG(Left)
AMB_ENTRY_FLAG(Top)
AMB_ENTRY_FLAG(Width)
AMB_ENTRY_FLAG(Height)
AMB_ENTRY_FLAG(Right)
AMB_ENTRY_FLAG(Bottom)
#undef AMB_ENTRY_FLAG

IFACEMETHODIMP Ambrelo::get_ControlFlagCount(short* v) {
  return ComEntry([&]() -> HRESULT {
    if (!v) return E_POINTER;
    *v = settings_.flags.Count();
    return S_OK;
  });
}
// A negative count would leave the arrays at their old bounds and be saved back: refused before
// anything is stored.
IFACEMETHODIMP Ambrelo::put_ControlFlagCount(short v) {
  return ComEntry([&]() -> HRESULT {
    if (!settings_.flags.Resize(v)) return RaiseAutomationError(kErrSubscriptOutOfRange);
    PropertyChanged(L"ControlFlagCount");
    return S_OK;
  });
}
IFACEMETHODIMP Ambrelo::get_ControlFlagControlKey(short* n, BSTR* v) {
  return ComEntry([&]() -> HRESULT {
    if (!n || !v) return E_POINTER;
    const FlagEntry* entry = settings_.flags.Entry(*n);
    if (!entry) return RaiseAutomationError(kErrSubscriptOutOfRange);
    *v = AllocBstr(entry->key);
    return *v ? S_OK : E_OUTOFMEMORY;
  });
}
IFACEMETHODIMP Ambrelo::put_ControlFlagControlKey(short* n, BSTR v) {
  return ComEntry([&]() -> HRESULT {
    if (!n) return E_POINTER;
    FlagEntry* entry = settings_.flags.Entry(*n);
    if (!entry) return RaiseAutomationError(kErrSubscriptOutOfRange);
    entry->key = Utf8FromBstr(v);
    PropertyChanged(L"ControlFlagControlKey");
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::get_ScaleGraphics(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::scaleGraphics, v); });
}
IFACEMETHODIMP Ambrelo::put_ScaleGraphics(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::scaleGraphics, v, L"ScaleGraphics"); });
}
IFACEMETHODIMP Ambrelo::get_ReplaceFontsWith(BSTR* v) {
  return ComEntry([&] { return GetText(&AmbreloSettings::replaceFontsWith, v); });
}
IFACEMETHODIMP Ambrelo::put_ReplaceFontsWith(BSTR v) {
  return ComEntry([&] { return LetText(&AmbreloSettings::replaceFontsWith, v, L"ReplaceFontsWith"); });
}
IFACEMETHODIMP Ambrelo::get_SaveWindowState(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::saveWindowState, v); });
}
IFACEMETHODIMP Ambrelo::put_SaveWindowState(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::saveWindowState, v, L"SaveWindowState"); });
}
IFACEMETHODIMP Ambrelo::get_WindowName(BSTR* v) {
  return ComEntry([&] { return GetText(&AmbreloSettings::windowName, v); });
}
IFACEMETHODIMP Ambrelo::put_WindowName(BSTR v) {
  return ComEntry([&] { return LetText(&AmbreloSettings::windowName, v, L"WindowName"); });
}

// The saved placement of the bound form; saving without one reaches the caller as an unset
// object. Loading traps every error of its steps: without a form there is nothing to apply.
IFACEMETHODIMP Ambrelo::SaveWindowSettings() {
  return ComEntry([&]() -> HRESULT {
    if (!lifecycle_.Host()) return RaiseAutomationError(kErrObjectNotSet);
    return PlaceForm({&ScalingWork::SaveWindowSettings});
  });
}
IFACEMETHODIMP Ambrelo::LoadWindowSettings() {
  return ComEntry([&]() -> HRESULT {
    if (lifecycle_.Host()) lifecycle_.LoadWindowSettings();
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::get_FormPicture(FormPictureEffects* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::formPicture, v); });
}
IFACEMETHODIMP Ambrelo::put_FormPicture(FormPictureEffects v) {
  return ComEntry([&] { return LetValue<int32_t>(&AmbreloSettings::formPicture, v, L"FormPicture"); });
}
IFACEMETHODIMP Ambrelo::get_FormClose(FormCloseEffects* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::formClose, v); });
}
IFACEMETHODIMP Ambrelo::put_FormClose(FormCloseEffects v) {
  return ComEntry([&] { return LetEffect(&AmbreloSettings::formClose, v, L"FormClose"); });
}
IFACEMETHODIMP Ambrelo::get_FormCloseTime(float* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::formCloseTime, v); });
}
IFACEMETHODIMP Ambrelo::put_FormCloseTime(float v) {
  return ComEntry([&] { return LetValue(&AmbreloSettings::formCloseTime, LimitEffectTime(v), L"FormCloseTime"); });
}
IFACEMETHODIMP Ambrelo::get_FormOpen(FormOpenEffects* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::formOpen, v); });
}
IFACEMETHODIMP Ambrelo::get_FormOpenTime(float* v) {
  return ComEntry([&] { return GetField(&AmbreloSettings::formOpenTime, v); });
}
IFACEMETHODIMP Ambrelo::put_FormOpenTime(float v) {
  return ComEntry([&] { return LetValue(&AmbreloSettings::formOpenTime, LimitEffectTime(v), L"FormOpenTime"); });
}
IFACEMETHODIMP Ambrelo::put_FormOpen(FormOpenEffects v) {
  return ComEntry([&] { return LetEffect(&AmbreloSettings::formOpen, v, L"FormOpen"); });
}

// Modal: the caller's window waits, and the call returns once the box hides itself; it is
// unloaded here. A call while the box is up (from another window of the host, which stays
// enabled) only brings it forward: shown modally again it would disable itself, with nothing left
// to close it.
IFACEMETHODIMP Ambrelo::AboutBox() {
  return ComEntry([&]() -> HRESULT {
    FrmAbout& about = frmAbout();
    if (about.Visible()) {
      SetForegroundWindow(about.hWnd());
      return S_OK;
    }
    HWND caller = GetActiveWindow();
    {
      CallerDisabled disabled(caller);
      // Owned by the window that called, which is disabled meanwhile: the box never falls behind it.
      about.Load();
      if (caller && about.hWnd()) SetWindowLongPtrA(about.hWnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(caller));
      about.Show(rt::ShowMode::Modal);
      about.Unload();
    }
    CollectUnloadedLibraryForms();
    return S_OK;
  });
}

IFACEMETHODIMP Ambrelo::get_Enabled(VARIANT_BOOL* v) {
  return ComEntry([&] { return GetFlag(&AmbreloSettings::enabled, v); });
}
IFACEMETHODIMP Ambrelo::put_Enabled(VARIANT_BOOL v) {
  return ComEntry([&] { return LetFlag(&AmbreloSettings::enabled, v, L"Enabled"); });
}

}  // namespace amb
