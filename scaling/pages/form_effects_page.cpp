#include "form_effects_page.h"

#include "ambrelo_h.h"
#include "com_object.h"
#include "form_effects_model.h"
#include "own_type_library.h"
#include "platform_numbers.h"
#include "property_page.h"

namespace amb::pages {
namespace {

using K = ControlKind;

constexpr ControlDesign kDesign[] = {
    {K::DropDown, kCmbFormOpen, "", 825, 600, 1935, 315},
    {K::Label, 0, "Form Open", 825, 360, 1215, 255, 0, Typeface::Bold},
    {K::DropDown, kCmbFormClose, "", 825, 1800, 1935, 315},
    {K::Label, 0, "Form Close", 825, 1560, 1215, 255, 0, Typeface::Bold},
    {K::DropDown, kCmbFormPicture, "", 825, 2993, 1935, 315},
    {K::Label, 0, "Form Picture", 825, 2753, 1215, 255, 0, Typeface::Bold},
    {K::TextBox, kTxtFormOpenTime, "1", 2985, 600, 1560, 285},
    {K::TextBox, kTxtFormCloseTime, "1", 2985, 1800, 1560, 285},
    {K::Label, 0, "Form Open Time", 2970, 360, 1455, 255, 0, Typeface::Bold},
    {K::Label, 0, "Form Close Time", 2970, 1560, 1455, 255, 0, Typeface::Bold},
    {K::Label, 0, "Secs", 4590, 720, 615, 255, 0, Typeface::Bold},
    {K::Label, 0, "Secs", 4590, 1920, 615, 255, 0, Typeface::Bold},
};

struct ListBox {
  int id;
  const char* property;
  std::span<const std::string_view> items;
};
constexpr ListBox kLists[] = {{kCmbFormOpen, "FormOpen", kEffectItems},
                              {kCmbFormClose, "FormClose", kEffectItems},
                              {kCmbFormPicture, "FormPicture", kPictureItems}};
struct TimeBox {
  int id;
  const char* property;
};
constexpr TimeBox kTimes[] = {{kTxtFormOpenTime, "FormOpenTime"}, {kTxtFormCloseTime, "FormCloseTime"}};

class FormEffectsPage final : public ComObject<FormEffectsPage, ValuesPage, OwnDispatch<_FormEffects>> {
 public:
  static const QITAB kInterfaceTable[];

 private:
  Layout PageLayout() const override { return {L"FormEffects", 5400, 3600, kDesign}; }
  HostStatus Load(HostObject& control) override;
  HostStatus ApplyChanges(HostObject& control) override;
  void Command(int id, int code) override;
  void TimeTyped(int id);
  void SaveShown() override { loaded_ = Shown(); }
  void RestoreShown() override { Show(loaded_); }
  void Show(const EffectsContents& contents);
  EffectsContents Shown() const;

  PlatformNumbers Numbers() const { return PlatformNumbers(Locale()); }

  EffectsContents loaded_;
};

const QITAB FormEffectsPage::kInterfaceTable[] = {
    QITABENT(FormEffectsPage, IPropertyPage),
    QITABENT(FormEffectsPage, _FormEffects),
    QITABENTMULTI(FormEffectsPage, IDispatch, _FormEffects),
    {nullptr, 0},
};

HostStatus FormEffectsPage::Load(HostObject& control) {
  EffectsContents contents;
  if (HostStatus s = LoadEffects(control, Numbers(), contents); !s) return s;
  loaded_ = contents;
  Show(contents);
  return {};
}

void FormEffectsPage::Show(const EffectsContents& contents) {
  for (const ListBox& list : kLists) FillDropDown(list.id, list.items, contents.lists.at(list.property));
  for (const TimeBox& box : kTimes) SetText(box.id, contents.times.at(box.property));
}

EffectsContents FormEffectsPage::Shown() const {
  EffectsContents contents = loaded_;
  for (const ListBox& list : kLists)
    contents.lists[list.property] = static_cast<int>(SendMessageW(Item(list.id), CB_GETCURSEL, 0, 0));
  for (const TimeBox& box : kTimes) contents.times[box.property] = Text(box.id);
  return contents;
}

// Without a window (the frame took it away) the page applies what its boxes held when it went.
HostStatus FormEffectsPage::ApplyChanges(HostObject& control) {
  return ApplyEffects(control, Numbers(), Window() ? Shown() : loaded_);
}

// The replaced text raises the box's change again, which then finds it valid.
void FormEffectsPage::TimeTyped(int id) {
  TimeBoxEdit edit = TimeBoxRule(Text(id), Numbers());
  if (edit.replaced) {
    SetText(id, edit.text);
    SendMessageW(Item(id), EM_SETSEL, 2, 2);
    return;
  }
  EditMade();
}

void FormEffectsPage::Command(int id, int code) {
  bool timeBox = id == kTxtFormOpenTime || id == kTxtFormCloseTime;
  if (timeBox && code == EN_CHANGE) TimeTyped(id);
  if (timeBox && code == EN_KILLFOCUS && Text(id).empty()) SetText(id, "0");
  if (code == CBN_SELCHANGE) EditMade();
}

}  // namespace

HRESULT CreateFormEffectsPage(REFIID riid, void** ppv) { return CreateComObject<FormEffectsPage>(riid, ppv); }

}  // namespace amb::pages
