#include "form_object.h"

#include <olectl.h>

#include <vector>

#include "form.h"
#include "form_model.h"
#include "picture_copy.h"
#include "rounding.h"
#include "screen.h"
#include "snapshot_enum.h"

namespace rt::ole {
namespace {

enum FormMember : DISPID {
  kName = 1, kCaption, kLeft, kTop, kWidth, kHeight, kWindowState, kHwnd, kEnabled, kMdiChild, kVisible,
  kScaleWidth, kScaleHeight, kScaleMode, kScaleX, kScaleY, kPicture, kAutoRedraw, kBackColor, kControls, kHdc,
  kCls, kRefresh, kMove, kShow, kHide
};

constexpr MemberInfo kFormMembers[] = {
    {L"Name", kName, MemberKind::ReadOnly},
    {L"Caption", kCaption, MemberKind::Property},
    {L"Left", kLeft, MemberKind::Property},
    {L"Top", kTop, MemberKind::Property},
    {L"Width", kWidth, MemberKind::Property},
    {L"Height", kHeight, MemberKind::Property},
    {L"WindowState", kWindowState, MemberKind::Property},
    {L"hWnd", kHwnd, MemberKind::ReadOnly},
    {L"Enabled", kEnabled, MemberKind::Property},
    {L"MDIChild", kMdiChild, MemberKind::ReadOnly},
    {L"Visible", kVisible, MemberKind::Property},
    {L"ScaleWidth", kScaleWidth, MemberKind::ReadOnly},
    {L"ScaleHeight", kScaleHeight, MemberKind::ReadOnly},
    {L"ScaleMode", kScaleMode, MemberKind::Property},
    {L"ScaleX", kScaleX, MemberKind::Method},
    {L"ScaleY", kScaleY, MemberKind::Method},
    {L"Picture", kPicture, MemberKind::Property},
    {L"AutoRedraw", kAutoRedraw, MemberKind::Property},
    {L"BackColor", kBackColor, MemberKind::Property},
    {L"Controls", kControls, MemberKind::ReadOnly},
    {L"hDC", kHdc, MemberKind::ReadOnly},
    {L"Cls", kCls, MemberKind::Method},
    {L"Refresh", kRefresh, MemberKind::Method},
    {L"Move", kMove, MemberKind::Method},
    {L"Show", kShow, MemberKind::Method},
    {L"Hide", kHide, MemberKind::Method},
};

constexpr LONG kHimetric = 8, kUserScale = 0;

// The form's members and the drawing members every drawing surface has.
const std::vector<MemberInfo>& AllMembers() {
  static const std::vector<MemberInfo> all = [] {
    std::vector<MemberInfo> v(std::begin(kFormMembers), std::end(kFormMembers));
    v.insert(v.end(), std::begin(kDrawingMembers), std::end(kDrawingMembers));
    return v;
  }();
  return all;
}

// Twips in one unit of a scale mode; 0 for a mode that has no fixed size (the user's scale).
double TwipsPerUnit(LONG mode, bool horizontal) {
  switch (mode) {
    case 1: return 1;                      // twips
    case 2: return 20;                     // points
    case 3: return horizontal ? Screen().TwipsPerPixelX() : Screen().TwipsPerPixelY();
    case 4: return horizontal ? 120 : 240;  // characters
    case 5: return 1440;                   // inches
    case 6: return 1440 / 25.4;            // millimetres
    case 7: return 1440 / 2.54;            // centimetres
    case 8: return 1440 / 2540.0;          // HIMETRIC
  }
  return 0;
}

LONG WindowHandleValue(HWND hwnd) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)); }

}  // namespace

const QITAB FormObject::kInterfaceTable[] = {
    QITABENT(FormObject, IDispatch),
    QITABENT(FormObject, IProvideClassInfo2),
    QITABENTMULTI(FormObject, IProvideClassInfo, IProvideClassInfo2),
    QITABENT(FormObject, IConnectionPointContainer),
    {nullptr, 0},
};

HRESULT FormObject::TypeInfo(ITypeInfo** info) { return DispatchTypeInfo(L"Form", AllMembers(), info); }
const MemberInfo* FormObject::Lookup(const wchar_t* name) const { return FindMember(AllMembers(), name); }
const MemberInfo* FormObject::Lookup(DISPID id) const { return FindMember(AllMembers(), id); }

IFACEMETHODIMP FormObject::GetClassInfo(ITypeInfo** info) {
  rt::ComPtr<ITypeInfo> form;
  HRESULT hr = TypeInfo(form.put());
  return FAILED(hr) ? hr : FormClassInfo(form.get(), info);
}

IFACEMETHODIMP FormObject::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *guid = DIID_FormEvents;
  return S_OK;
}

IFACEMETHODIMP FormObject::EnumConnectionPoints(IEnumConnectionPoints** points) {
  std::vector<IConnectionPoint*> items = {&events_};
  return CreateComObject<SnapshotEnum<IEnumConnectionPoints, IConnectionPoint*>>(
      IID_IEnumConnectionPoints, reinterpret_cast<void**>(points), items);
}

IFACEMETHODIMP FormObject::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  if (!IsEqualIID(riid, DIID_FormEvents)) return CONNECT_E_NOCONNECTION;
  *point = &events_;
  events_.AddRef();
  return S_OK;
}

HRESULT FormObject::Run(const MemberInfo& member, Call& call) {
  Form* form = *model_ ? (*model_)->GetForm() : nullptr;
  if (!form || !form->IsLoaded()) return call.Fail(RuntimeError::ObjectRequired);
  if (IsDrawingMember(member.id)) return RunDrawing(member, call, *form);
  switch (member.id) {
    case kName: return call.Return(form->Name());
    case kCaption: {
      if (call.access() == Access::Get) return call.Return(form->Caption());
      std::string text;
      if (!call.NewText(text)) return DISP_E_EXCEPTION;
      form->SetCaption(text);
      return S_OK;
    }
    case kHwnd: return call.Return(WindowHandleValue(form->hWnd()));
    case kMdiChild: return call.ReturnBool(false);  // the runtime has no MDI forms
    case kEnabled:
    case kVisible: {
      bool enabled = member.id == kEnabled;
      if (call.access() == Access::Get)
        return call.ReturnBool(enabled ? IsWindowEnabled(form->hWnd()) != FALSE : form->Visible());
      bool on = false;
      if (!call.NewBool(on)) return DISP_E_EXCEPTION;
      if (enabled) EnableWindow(form->hWnd(), on ? TRUE : FALSE);
      else if (on) form->Show();
      else form->Hide();
      return S_OK;
    }
    case kAutoRedraw: {
      if (call.access() == Access::Get) return call.ReturnBool(form->AutoRedraw());
      bool on = false;
      if (!call.NewBool(on)) return DISP_E_EXCEPTION;
      form->SetAutoRedraw(on);
      return S_OK;
    }
    case kBackColor: {
      if (call.access() == Access::Get) return call.Return(static_cast<LONG>(form->BackColor()));
      LONG color = 0;
      if (!call.NewLong(color)) return DISP_E_EXCEPTION;
      form->SetBackColor(static_cast<OleColor>(color));
      return S_OK;
    }
    case kControls: {
      rt::ComPtr<IDispatch> controls = (*model_)->Controls();
      return call.Return(controls.get());
    }
    case kHdc: return call.Return(static_cast<LONG>(reinterpret_cast<LONG_PTR>(form->hDC())));
    case kPicture: return RunPicture(call, *form);
    case kScaleWidth: case kScaleHeight: case kScaleMode: case kScaleX: case kScaleY:
      return RunScale(member, call, *form);
    case kLeft: case kTop: case kWidth: case kHeight: case kWindowState:
      return RunPosition(member, call, *form);
  }
  return RunMethod(member, call, *form);
}

HRESULT FormObject::RunPosition(const MemberInfo& member, Call& call, Form& form) {
  if (member.id == kWindowState) {
    if (call.access() == Access::Get) return call.ReturnInteger(static_cast<short>(form.GetWindowState()));
    LONG state = 0;
    if (!call.NewLong(state)) return DISP_E_EXCEPTION;
    if (state < 0 || state > 2) return call.Fail(RuntimeError::InvalidPropertyValue);
    form.SetWindowState(static_cast<WindowState>(state));
    return S_OK;
  }
  double place[] = {form.Left(), form.Top(), form.Width(), form.Height()};
  double& value = place[member.id - kLeft];
  if (call.access() == Access::Get) return call.Return(value);
  if (!call.NewDouble(value)) return DISP_E_EXCEPTION;
  if (member.id >= kWidth && value < 0) return call.Fail(RuntimeError::InvalidPropertyValue);
  form.Move(place[0], place[1], place[2], place[3]);
  return S_OK;
}

// ScaleX and ScaleY (value, [from: HIMETRIC], [to: the form's scale mode]) as the platform's forms
// convert.
HRESULT FormObject::RunScale(const MemberInfo& member, Call& call, Form& form) {
  switch (member.id) {
    case kScaleWidth: return call.Return(form.ScaleWidth());
    case kScaleHeight: return call.Return(form.ScaleHeight());
    case kScaleMode: {
      if (call.access() == Access::Get) return call.ReturnInteger(static_cast<short>(form.GetScaleMode()));
      LONG mode = 0;
      if (!call.NewLong(mode)) return DISP_E_EXCEPTION;
      if (mode != static_cast<LONG>(ScaleMode::Twips) && mode != static_cast<LONG>(ScaleMode::Pixels))
        return call.Fail(RuntimeError::InvalidPropertyValue);
      form.SetScaleMode(static_cast<ScaleMode>(mode));
      return S_OK;
    }
  }
  bool horizontal = member.id == kScaleX;
  double value = 0;
  LONG from = kHimetric, to = static_cast<LONG>(form.GetScaleMode());
  if (!call.Has(0)) return call.Fail(RuntimeError::InvalidCall);
  if (!call.Double(0, value) || (call.Has(1) && !call.Long(1, from)) || (call.Has(2) && !call.Long(2, to)))
    return DISP_E_EXCEPTION;
  if (from == kUserScale) from = static_cast<LONG>(form.GetScaleMode());
  if (to == kUserScale) to = static_cast<LONG>(form.GetScaleMode());
  double fromTwips = TwipsPerUnit(from, horizontal), toTwips = TwipsPerUnit(to, horizontal);
  if (fromTwips == 0 || toTwips == 0) return call.Fail(RuntimeError::InvalidCall);
  return call.Return(value * fromTwips / toTwips);
}

// The picture is handed out as a copy, so a holder's picture never changes under it; a picture
// assigned is copied in the same way.
HRESULT FormObject::RunPicture(Call& call, Form& form) {
  if (call.access() == Access::Get) {
    rt::ComPtr<IDispatch> picture;
    HRESULT hr = PictureCopy(form.Picture(), nullptr, picture.put());
    return FAILED(hr) ? hr : call.Return(picture.get());
  }
  HBITMAP copy = nullptr;
  if (std::optional<RuntimeError> error = CopyAssignedBitmap(call.NewValue(), copy)) return call.Fail(*error);
  form.SetPicture(copy);
  return S_OK;
}

// Drawing goes to the form's drawing DC: the persistent image when AutoRedraw is on, shown by
// repainting, or the window itself.
HRESULT FormObject::RunDrawing(const MemberInfo& member, Call& call, Form& form) {
  auto toPixels = [&form](double x, double y) {
    if (form.GetScaleMode() == ScaleMode::Pixels)
      return POINT{static_cast<LONG>(RoundHalfEven(x)), static_cast<LONG>(RoundHalfEven(y))};
    return POINT{Screen().TwipsToPixelsX(x), Screen().TwipsToPixelsY(y)};
  };
  auto show = [&form] {
    if (form.AutoRedraw()) InvalidateRect(form.hWnd(), nullptr, FALSE);
  };
  DrawTarget target{(*model_)->Drawing(nullptr), form.hDC(), toPixels, show};
  return ole::RunDrawing(member, call, target);
}

HRESULT FormObject::RunMethod(const MemberInfo& member, Call& call, Form& form) {
  switch (member.id) {
    case kCls: form.Cls(); return S_OK;
    case kRefresh: form.Refresh(); return S_OK;
    case kHide: form.Hide(); return S_OK;
    case kShow: {
      LONG modal = 0;
      if (call.Has(0) && !call.Long(0, modal)) return DISP_E_EXCEPTION;
      form.Show(modal == 1 ? ShowMode::Modal : ShowMode::Modeless);
      return S_OK;
    }
    case kMove: {
      double place[] = {form.Left(), form.Top(), form.Width(), form.Height()};
      if (!call.Has(0)) return call.Fail(RuntimeError::InvalidCall);
      for (size_t i = 0; i < 4; ++i)
        if (call.Has(i) && !call.Double(i, place[i])) return DISP_E_EXCEPTION;
      if (place[2] < 0 || place[3] < 0) return call.Fail(RuntimeError::InvalidPropertyValue);
      form.Move(place[0], place[1], place[2], place[3]);
      return S_OK;
    }
  }
  return call.Fail(RuntimeError::NoSuchMember);
}

}  // namespace rt::ole
