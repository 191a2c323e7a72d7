#include "control_object.h"

#include <array>
#include <climits>
#include <cmath>

#include "controls.h"
#include "drawing_members.h"
#include "form.h"
#include "font_object.h"
#include "form_model.h"
#include "picture_copy.h"
#include "screen.h"

namespace rt::ole {
namespace {

enum ControlMember : DISPID {
  kName = 1, kIndex, kParent, kLeft, kTop, kWidth, kHeight, kMove, kVisible, kContainer, kEnabled, kHwnd,
  kSetFocus, kFont, kForeColor, kBackColor, kToolTipText, kRefresh, kCaption, kText, kList, kListCount,
  kListIndex, kValue, kInterval, kPicture, kObject
};
// The extender answers the names its COM control answers itself with the control's own id moved
// by a fixed offset, so the same name has the same id on every extender of that class, whenever it
// was loaded and in whatever order its names were asked for (callers cache ids per class).
constexpr DISPID kDelegatedOffset = 0x10000;
constexpr DISPID kLowestDelegated = 0x8000;  // above every member of the extender's own

bool IsDelegated(DISPID id) { return id >= kLowestDelegated; }

constexpr MemberInfo kControlMembers[] = {
    {L"Name", kName, MemberKind::ReadOnly},         {L"Index", kIndex, MemberKind::ReadOnly},
    {L"Parent", kParent, MemberKind::ReadOnly},     {L"Left", kLeft, MemberKind::Property},
    {L"Top", kTop, MemberKind::Property},           {L"Width", kWidth, MemberKind::Property},
    {L"Height", kHeight, MemberKind::Property},     {L"Move", kMove, MemberKind::Method},
    {L"Visible", kVisible, MemberKind::Property},   {L"Container", kContainer, MemberKind::ReadOnly},
    {L"Enabled", kEnabled, MemberKind::Property},   {L"hWnd", kHwnd, MemberKind::ReadOnly},
    {L"SetFocus", kSetFocus, MemberKind::Method},   {L"Font", kFont, MemberKind::ReadOnly},
    {L"ForeColor", kForeColor, MemberKind::Property}, {L"BackColor", kBackColor, MemberKind::Property},
    {L"ToolTipText", kToolTipText, MemberKind::Property}, {L"Refresh", kRefresh, MemberKind::Method},
    {L"Caption", kCaption, MemberKind::Property},   {L"Text", kText, MemberKind::Property},
    {L"List", kList, MemberKind::Property},         {L"ListCount", kListCount, MemberKind::ReadOnly},
    {L"ListIndex", kListIndex, MemberKind::Property}, {L"Value", kValue, MemberKind::Property},
    {L"Interval", kInterval, MemberKind::Property}, {L"Picture", kPicture, MemberKind::Property},
    {L"Object", kObject, MemberKind::ReadOnly},
};

constexpr const wchar_t* kTypeNames[] = {
    L"Label", L"Image", L"CommandButton", L"CheckBox", L"OptionButton", L"Frame", L"PictureBox",
    L"TextBox", L"ListBox", L"ComboBox", L"ListView", L"ImageList", L"Timer", L"OleControl"};

bool IsWindowed(ControlKind k) {
  switch (k) {
    case ControlKind::CommandButton: case ControlKind::CheckBox: case ControlKind::OptionButton:
    case ControlKind::Frame: case ControlKind::PictureBox: case ControlKind::TextBox: case ControlKind::ListBox:
    case ControlKind::ComboBox: case ControlKind::ListView:
      return true;
    default:
      return false;
  }
}

// Whether a kind of control has the member, as the platform's control of that kind has it.
bool Has(ControlKind k, DISPID id) {
  bool seen = IsWindowed(k) || k == ControlKind::Label || k == ControlKind::Image;
  bool placed = k != ControlKind::Timer && k != ControlKind::ImageList;
  bool lettered = IsWindowed(k) || k == ControlKind::Label;
  switch (id) {
    case kName: case kIndex: case kParent: return true;
    case kLeft: case kTop: case kWidth: case kHeight: case kMove: case kVisible: case kContainer: return placed;
    case kEnabled: return k != ControlKind::ImageList && k != ControlKind::OleControl;
    case kHwnd: case kSetFocus: return IsWindowed(k);
    case kFont: case kForeColor: case kBackColor: return lettered;
    case kToolTipText: case kRefresh: return seen;
    case kCaption:
      return k == ControlKind::Label || k == ControlKind::CommandButton || k == ControlKind::CheckBox ||
             k == ControlKind::OptionButton || k == ControlKind::Frame;
    case kText: return k == ControlKind::TextBox || k == ControlKind::ComboBox;
    case kList: case kListCount: case kListIndex: return k == ControlKind::ListBox || k == ControlKind::ComboBox;
    case kValue: return k == ControlKind::CheckBox || k == ControlKind::OptionButton;
    case kInterval: return k == ControlKind::Timer;
    case kPicture: return k == ControlKind::Image || k == ControlKind::PictureBox;
    case kObject: return k == ControlKind::OleControl;
  }
  return false;
}

// Built all together by one initialiser, which runs once whichever thread's form asks first.
const std::vector<MemberInfo>& MembersOf(ControlKind kind) {
  using Tables = std::array<std::vector<MemberInfo>, std::size(kTypeNames)>;
  static const Tables tables = [] {
    Tables all;
    for (size_t k = 0; k < all.size(); ++k) {
      ControlKind each = static_cast<ControlKind>(k);
      for (const MemberInfo& m : kControlMembers)
        if (Has(each, m.id)) all[k].push_back(m);
      if (each == ControlKind::PictureBox)  // its ForeColor is the control's own
        for (const MemberInfo& m : kDrawingMembers)
          if (m.id != kDrawingForeColor) all[k].push_back(m);
    }
    return all;
  }();
  return tables[static_cast<size_t>(kind)];
}

int Twips(double value) { return static_cast<int>(std::lround(value)); }

LONG WindowHandleValue(HWND hwnd) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(hwnd)); }

}  // namespace

const QITAB ControlObject::kInterfaceTable[] = {
    QITABENT(ControlObject, IDispatch),
    {nullptr, 0},
};

ControlObject::ControlObject(ModelAnchor model, Control& control) : model_(std::move(model)), control_(&control) {}

Control* ControlObject::Live() const { return *model_ ? control_ : nullptr; }

IDispatch* ControlObject::ControlDispatch() const {
  auto* ole = dynamic_cast<OleControl*>(Live());
  return ole ? ole->Object() : nullptr;
}

// A COM control's extender names its class, as the platform's TypeName does.
HRESULT ControlObject::TypeInfo(ITypeInfo** info) {
  if (control_->Kind() == ControlKind::OleControl) {
    IDispatch* own = ControlDispatch();
    rt::ComPtr<IProvideClassInfo> classInfo;
    if (own && SUCCEEDED(own->QueryInterface(IID_IProvideClassInfo, classInfo.put_void())))
      return classInfo->GetClassInfo(info);
    return own ? own->GetTypeInfo(0, LOCALE_USER_DEFAULT, info) : E_UNEXPECTED;
  }
  return DispatchTypeInfo(kTypeNames[static_cast<size_t>(control_->Kind())], MembersOf(control_->Kind()), info);
}

const MemberInfo* ControlObject::Lookup(const wchar_t* name) const {
  return FindMember(MembersOf(control_->Kind()), name);
}
const MemberInfo* ControlObject::Lookup(DISPID id) const { return FindMember(MembersOf(control_->Kind()), id); }

IFACEMETHODIMP ControlObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
  HRESULT hr = AutomationObject::GetIDsOfNames(riid, names, count, lcid, ids);
  IDispatch* own = ControlDispatch();
  if (hr != DISP_E_UNKNOWNNAME || !own || count != 1) return hr;
  DISPID ownId = DISPID_UNKNOWN;
  hr = own->GetIDsOfNames(IID_NULL, names, 1, lcid, &ownId);
  if (FAILED(hr)) return hr;
  if (ownId < kLowestDelegated - kDelegatedOffset || ownId > LONG_MAX - kDelegatedOffset) return DISP_E_UNKNOWNNAME;
  ids[0] = ownId + kDelegatedOffset;
  return S_OK;
}

IFACEMETHODIMP ControlObject::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* info, UINT* argError) {
  if (!IsDelegated(id)) return AutomationObject::Invoke(id, riid, lcid, flags, params, result, info, argError);
  IDispatch* own = ControlDispatch();
  if (!own) return DISP_E_MEMBERNOTFOUND;
  return own->Invoke(id - kDelegatedOffset, IID_NULL, lcid, flags, params, result, info, argError);
}

HRESULT ControlObject::Run(const MemberInfo& member, Call& call) {
  Control* control = Live();
  if (!control) return call.Fail(RuntimeError::ObjectRequired);
  FormModel& model = **model_;
  if (IsDrawingMember(member.id)) return RunDrawing(member, call, *control);
  switch (member.id) {
    case kName: return call.Return(control->Name());
    case kIndex:
      if (control->Index() < 0) return call.Fail(RuntimeError::NotAnArray);
      return call.ReturnInteger(static_cast<short>(control->Index()));
    case kParent: return call.Return(model.FormDispatch());
    case kContainer:
      return call.Return(control->Container() ? model.ObjectOf(*control->Container()) : model.FormDispatch());
    case kObject: return call.Return(ControlDispatch());
    case kHwnd: return call.Return(WindowHandleValue(control->hWnd()));
    case kSetFocus: control->SetFocus(); return S_OK;
    case kRefresh: control->Refresh(); return S_OK;
    case kFont: {
      rt::ComPtr<FontObject> font;
      font.reset(new (std::nothrow) FontObject(*this));
      return font ? call.Return(font.get()) : E_OUTOFMEMORY;
    }
    case kLeft: case kTop: case kWidth: case kHeight: case kMove: case kVisible: case kEnabled:
      return RunPlace(member, call, *control);
    case kForeColor: case kBackColor: case kToolTipText:
      return RunLook(member, call, *control);
  }
  return RunContent(member, call, *control);
}

// A picture box draws straight onto its window: what it draws is not kept.
HRESULT ControlObject::RunDrawing(const MemberInfo& member, Call& call, Control& box) {
  DrawState& state = (*model_)->Drawing(&box);
  state.foreColor = box.ForeColor() == kNoColor ? SystemColor(COLOR_BTNTEXT) : box.ForeColor();
  HDC dc = box.hWnd() ? GetDC(box.hWnd()) : nullptr;
  auto toPixels = [](double x, double y) { return POINT{Screen().TwipsToPixelsX(x), Screen().TwipsToPixelsY(y)}; };
  DrawTarget target{state, dc, toPixels, [] {}};
  HRESULT hr = ole::RunDrawing(member, call, target);
  if (dc) ReleaseDC(box.hWnd(), dc);
  return hr;
}

HRESULT ControlObject::RunPlace(const MemberInfo& member, Call& call, Control& control) {
  if (member.id == kVisible || member.id == kEnabled) {
    bool visible = member.id == kVisible;
    if (call.access() == Access::Get) return call.ReturnBool(visible ? control.Visible() : control.Enabled());
    bool on = false;
    if (!call.NewBool(on)) return DISP_E_EXCEPTION;
    if (visible) control.SetVisible(on);
    else control.SetEnabled(on);
    return S_OK;
  }
  double place[] = {double(control.Left()), double(control.Top()), double(control.Width()),
                    double(control.Height())};
  if (member.id == kMove) {
    if (!call.Has(0)) return call.Fail(RuntimeError::InvalidCall);
    for (size_t i = 0; i < 4; ++i)
      if (call.Has(i) && !call.Double(i, place[i])) return DISP_E_EXCEPTION;
  } else {
    double& value = place[member.id - kLeft];
    if (call.access() == Access::Get) return call.Return(value);
    if (!call.NewDouble(value)) return DISP_E_EXCEPTION;
  }
  if (place[2] < 0 || place[3] < 0) return call.Fail(RuntimeError::InvalidPropertyValue);
  control.Move(Twips(place[0]), Twips(place[1]), Twips(place[2]), Twips(place[3]));
  return S_OK;
}

HRESULT ControlObject::RunLook(const MemberInfo& member, Call& call, Control& control) {
  if (member.id == kToolTipText) {
    if (call.access() == Access::Get) return call.Return(control.ToolTipText());
    std::string text;
    if (!call.NewText(text)) return DISP_E_EXCEPTION;
    control.SetToolTipText(text);
    return S_OK;
  }
  bool fore = member.id == kForeColor;
  if (call.access() == Access::Get) return call.Return(static_cast<LONG>(fore ? control.ForeColor() : control.BackColor()));
  LONG color = 0;
  if (!call.NewLong(color)) return DISP_E_EXCEPTION;
  if (fore) control.SetForeColor(static_cast<OleColor>(color));
  else control.SetBackColor(static_cast<OleColor>(color));
  return S_OK;
}

namespace {

HRESULT RunCaption(Call& call, Control& control) {
  bool get = call.access() == Access::Get;
  std::string text;
  if (!get && !call.NewText(text)) return DISP_E_EXCEPTION;
  if (auto* label = dynamic_cast<Label*>(&control))
    return get ? call.Return(label->Caption()) : (label->SetCaption(text), S_OK);
  if (auto* button = dynamic_cast<CaptionedButton*>(&control))
    return get ? call.Return(button->Caption()) : (button->SetCaption(text), S_OK);
  auto& frame = static_cast<Container&>(control);
  return get ? call.Return(frame.Caption()) : (frame.SetCaption(text), S_OK);
}

HRESULT RunText(Call& call, Control& control) {
  bool get = call.access() == Access::Get;
  if (auto* combo = dynamic_cast<ComboBox*>(&control))
    return get ? call.Return(combo->Text()) : call.Fail(RuntimeError::ReadOnly);
  auto& box = static_cast<TextBox&>(control);
  if (get) return call.Return(box.Text());
  std::string text;
  if (!call.NewText(text)) return DISP_E_EXCEPTION;
  box.SetText(text);
  return S_OK;
}

// List boxes and combo boxes alike; a combo box's items are read-only.
HRESULT RunList(DISPID id, Call& call, Control& control) {
  bool get = call.access() == Access::Get;
  auto* list = dynamic_cast<ListBox*>(&control);
  auto* combo = dynamic_cast<ComboBox*>(&control);
  int count = list ? list->ListCount() : combo->ListCount();
  if (id == kListCount) return call.Return(static_cast<LONG>(count));
  if (id == kListIndex) {
    if (get) return call.Return(static_cast<LONG>(list ? list->ListIndex() : combo->ListIndex()));
    LONG index = 0;
    if (!call.NewLong(index)) return DISP_E_EXCEPTION;
    if (index < -1 || index >= count) return call.Fail(RuntimeError::InvalidPropertyValue);
    if (list) list->SetListIndex(index);
    else combo->SetListIndex(index);
    return S_OK;
  }
  LONG index = 0;
  if (!call.Long(0, index)) return DISP_E_EXCEPTION;
  if (index < 0 || index >= count) return call.Fail(RuntimeError::InvalidCall);
  if (get) return call.Return(list ? list->List(index) : combo->List(index));
  std::string text;
  if (!list) return call.Fail(RuntimeError::ReadOnly);
  if (!call.NewText(text)) return DISP_E_EXCEPTION;
  list->SetList(index, text);
  return S_OK;
}

// A check box's 0 or 1, an option button's True or False.
HRESULT RunValue(Call& call, Control& control) {
  bool get = call.access() == Access::Get;
  if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    if (get) return call.ReturnInteger(static_cast<short>(check->Value()));
    LONG value = 0;
    if (!call.NewLong(value)) return DISP_E_EXCEPTION;
    if (value < 0 || value > 1) return call.Fail(RuntimeError::InvalidPropertyValue);
    check->SetValue(value);
    return S_OK;
  }
  auto& option = static_cast<OptionButton&>(control);
  if (get) return call.ReturnBool(option.Value());
  bool value = false;
  if (!call.NewBool(value)) return DISP_E_EXCEPTION;
  option.SetValue(value);
  return S_OK;
}

HRESULT RunInterval(Call& call, Control& control) {
  auto& timer = static_cast<Timer&>(control);
  if (call.access() == Access::Get) return call.Return(static_cast<LONG>(timer.Interval()));
  LONG ms = 0;
  if (!call.NewLong(ms)) return DISP_E_EXCEPTION;
  if (ms < 0 || ms > 65535) return call.Fail(RuntimeError::InvalidPropertyValue);
  timer.SetInterval(ms);
  return S_OK;
}

// A picture box shows none of its own: it reads as Nothing and takes none.
HRESULT RunPicture(Call& call, Control& control) {
  auto* image = dynamic_cast<Image*>(&control);
  if (call.access() != Access::Get) {
    if (!image) return call.Fail(RuntimeError::ReadOnly);
    HBITMAP copy = nullptr;
    if (std::optional<RuntimeError> error = CopyAssignedBitmap(call.NewValue(), copy)) return call.Fail(*error);
    image->TakePicture(copy);
    return S_OK;
  }
  rt::ComPtr<IDispatch> picture;
  HRESULT hr = S_OK;
  if (image) {
    HANDLE shown = image->Picture();
    bool icon = shown && GetObjectType(shown) != OBJ_BITMAP;
    hr = PictureCopy(icon ? nullptr : static_cast<HBITMAP>(shown), icon ? static_cast<HICON>(shown) : nullptr,
                     picture.put());
  }
  return FAILED(hr) ? hr : call.Return(picture.get());
}

}  // namespace

// What a control of one kind holds: its caption, text, list, value, interval or picture.
HRESULT ControlObject::RunContent(const MemberInfo& member, Call& call, Control& control) {
  switch (member.id) {
    case kCaption: return RunCaption(call, control);
    case kText: return RunText(call, control);
    case kList: case kListCount: case kListIndex: return RunList(member.id, call, control);
    case kValue: return RunValue(call, control);
    case kInterval: return RunInterval(call, control);
    case kPicture: return RunPicture(call, control);
  }
  return call.Fail(RuntimeError::NoSuchMember);
}

}  // namespace rt::ole
