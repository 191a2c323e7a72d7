#include "font_object.h"

#include "controls.h"

namespace rt::ole {

namespace {

enum FontMember : DISPID { kFontName = 1, kFontSize, kFontBold, kFontItalic, kFontUnderline };
constexpr MemberInfo kFontMembers[] = {
    {L"Name", kFontName, MemberKind::Property},     {L"Size", kFontSize, MemberKind::Property},
    {L"Bold", kFontBold, MemberKind::Property},     {L"Italic", kFontItalic, MemberKind::Property},
    {L"Underline", kFontUnderline, MemberKind::Property},
};

}  // namespace

const QITAB FontObject::kInterfaceTable[] = {
    QITABENT(FontObject, IDispatch),
    {nullptr, 0},
};

HRESULT FontObject::TypeInfo(ITypeInfo** info) { return DispatchTypeInfo(L"Font", kFontMembers, info); }
const MemberInfo* FontObject::Lookup(const wchar_t* name) const { return FindMember(kFontMembers, name); }
const MemberInfo* FontObject::Lookup(DISPID id) const { return FindMember(kFontMembers, id); }

HRESULT FontObject::Run(const MemberInfo& member, Call& call) {
  Control* control = owner_->Live();
  if (!control) return call.Fail(RuntimeError::ObjectRequired);
  bool get = call.access() == Access::Get;
  switch (member.id) {
    case kFontName: {
      if (get) return call.Return(control->FontName());
      std::string name;
      if (!call.NewText(name)) return DISP_E_EXCEPTION;
      control->SetFontName(name);
      return S_OK;
    }
    case kFontSize: {
      if (get) return call.Return(control->FontSize());
      double size = 0;
      if (!call.NewDouble(size)) return DISP_E_EXCEPTION;
      if (!(size > 0 && size < 2048)) return call.Fail(RuntimeError::InvalidPropertyValue);
      control->SetFontSize(size);
      return S_OK;
    }
  }
  bool (Control::*read)() const = member.id == kFontBold     ? &Control::FontBold
                                  : member.id == kFontItalic ? &Control::FontItalic
                                                             : &Control::FontUnderline;
  void (Control::*write)(bool) = member.id == kFontBold     ? &Control::SetFontBold
                                 : member.id == kFontItalic ? &Control::SetFontItalic
                                                            : &Control::SetFontUnderline;
  if (get) return call.ReturnBool((control->*read)());
  bool on = false;
  if (!call.NewBool(on)) return DISP_E_EXCEPTION;
  (control->*write)(on);
  return S_OK;
}

}  // namespace rt::ole
