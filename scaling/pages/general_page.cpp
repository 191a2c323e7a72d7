#include "general_page.h"

#include <iterator>
#include <string>

#include "ambrelo_h.h"
#include "com_object.h"
#include "general_page_model.h"
#include "own_type_library.h"
#include "platform_numbers.h"
#include "property_page.h"

namespace amb::pages {
namespace {

using K = ControlKind;

// The editing controls and their properties; the boxes' names are the properties'.
struct Bound {
  int id;
  const char* property;
};
constexpr Bound kChecks[] = {
    {kChkCenterX, "CenterX"},           {kChkCenterY, "CenterY"},
    {kChkStayOnTop, "StayOnTop"},       {kChkResizeOnMouseUp, "ResizeOnMouseUp"},
    {kChkGradientFill, "GradientFill"}, {kChkScaleBorders, "ScaleBorders"},
    {kChkScaleFonts, "ScaleFonts"},     {kChkScaleControls, "ScaleControls"},
    {kChkScaleGraphics, "ScaleGraphics"}, {kChkSaveWindowState, "SaveWindowState"},
    {kChkBeepOnMinMax, "BeepOnMinMax"}, {kChkResizeAtOnce, "ResizeAtOnce"},
};
constexpr Bound kTexts[] = {
    {kTxtScaleX, "ScaleX"},         {kTxtScaleY, "ScaleY"},
    {kTxtMinHeight, "MinHeight"},   {kTxtMinWidth, "MinWidth"},
    {kTxtMaxWidth, "MaxWidth"},     {kTxtMaxHeight, "MaxHeight"},
    {kTxtMdiChildHeight, "MdiChildHeight"}, {kTxtMdiChildWidth, "MdiChildWidth"},
    {kTxtWindowName, "WindowName"},
};
constexpr Bound kLists[] = {{kCmbSource, "GradientSource"}, {kCmbType, "GradientType"}};

// In tab order.
constexpr ControlDesign kDesign[] = {
    {K::CheckBox, kChkCenterX, "CenterX", 600, 360, 1005, 285},
    {K::TextBox, kTxtScaleX, "", 3960, 360, 975, 285},
    {K::TextBox, kTxtScaleY, "", 5040, 360, 975, 285},
    {K::TextBox, kTxtMinHeight, "", 3960, 960, 975, 285},
    {K::TextBox, kTxtMinWidth, "", 5040, 960, 975, 285},
    {K::CheckBox, kChkCenterY, "CenterY", 600, 600, 1005, 285},
    {K::Label, 0, "ScaleX:", 3960, 120, 660, 240},
    {K::Label, 0, "ScaleY:", 5040, 120, 660, 240},
    {K::CheckBox, kChkStayOnTop, "StayOnTop", 600, 120, 1140, 285},
    {K::Label, 0, "MinHeight", 3960, 720, 855, 255},
    {K::Label, 0, "MinWidth", 5040, 720, 855, 255},
    {K::CheckBox, kChkResizeOnMouseUp, "ResizeOnMouseUp", 600, 2280, 1740, 285},
    {K::CheckBox, kChkGradientFill, "GradientFill", 600, 1080, 1140, 285},
    {K::CheckBox, kChkScaleBorders, "ScaleBorders", 2400, 3240, 1365, 285},
    {K::CheckBox, kChkScaleFonts, "ScaleFonts", 2400, 3000, 1365, 285},
    {K::CheckBox, kChkScaleControls, "ScaleControls", 600, 3000, 1485, 285},
    {K::CheckBox, kChkScaleGraphics, "ScaleGraphics", 600, 3240, 1380, 285},
    {K::CheckBox, kChkSaveWindowState, "SaveWindowState", 600, 2520, 1725, 285},
    {K::Label, 0, "WindowName:", 3960, 3000, 1260, 240},
    {K::TextBox, kTxtWindowName, "", 3960, 3240, 2100, 285},
    {K::TextBox, kTxtMdiChildHeight, "", 5040, 2280, 975, 285},
    {K::TextBox, kTxtMdiChildWidth, "", 5040, 2640, 975, 285},
    {K::Label, 0, "MdiChildHeight", 3960, 2280, 1095, 255},
    {K::Label, 0, "MdiChildWidth", 3960, 2640, 1095, 255},
    {K::TextBox, kTxtMaxWidth, "", 5040, 1560, 975, 285},
    {K::TextBox, kTxtMaxHeight, "", 3960, 1560, 975, 285},
    {K::Label, 0, "MaxWidth", 5040, 1320, 855, 255},
    {K::Label, 0, "MaxHeight", 3960, 1320, 855, 255},
    {K::DropDown, kCmbSource, "", 600, 1680, 1215, 315},
    {K::DropDown, kCmbType, "", 2160, 1680, 1215, 315},
    {K::Label, 0, "Gradient Source", 600, 1440, 1215, 255},
    {K::Label, 0, "Gradient Type", 2160, 1440, 1215, 255},
    {K::CheckBox, kChkBeepOnMinMax, "BeepOnMinMax", 4200, 1920, 1740, 285},
    {K::CheckBox, kChkResizeAtOnce, "ResizeAtOnce", 2400, 2280, 1380, 285},
};

class GeneralPage final : public ComObject<GeneralPage, ValuesPage, OwnDispatch<_General>> {
 public:
  static const QITAB kInterfaceTable[];
  GeneralPage() = default;

 private:
  Layout PageLayout() const override { return {L"General", 6270, 3720, kDesign}; }
  HostStatus Load(HostObject& control) override;
  HostStatus ApplyChanges(HostObject& control) override;
  void Command(int id, int code) override;
  void SaveShown() override { loaded_ = Read(); }
  void RestoreShown() override { Show(loaded_); }

  void Show(const GeneralContents& contents);
  GeneralContents Read() const;

  GeneralContents loaded_;  // what the lists were loaded from, and what the boxes held while the window is away
};

const QITAB GeneralPage::kInterfaceTable[] = {
    QITABENT(GeneralPage, IPropertyPage),
    QITABENT(GeneralPage, _General),
    QITABENTMULTI(GeneralPage, IDispatch, _General),
    {nullptr, 0},
};

void GeneralPage::Show(const GeneralContents& contents) {
  for (const Bound& b : kChecks) SetCheck(b.id, contents.checks.at(b.property) == 1);
  for (const Bound& b : kTexts) SetText(b.id, contents.texts.at(b.property));
  FillDropDown(kCmbSource, kGradientSourceItems, contents.lists.at("GradientSource"));
  FillDropDown(kCmbType, kGradientTypeItems, contents.lists.at("GradientType"));
}

GeneralContents GeneralPage::Read() const {
  GeneralContents contents = loaded_;
  for (const Bound& b : kChecks)
    contents.checks[b.property] = static_cast<int>(SendMessageW(Item(b.id), BM_GETCHECK, 0, 0));
  for (const Bound& b : kTexts) contents.texts[b.property] = Text(b.id);
  for (const Bound& b : kLists)
    contents.lists[b.property] = static_cast<int>(SendMessageW(Item(b.id), CB_GETCURSEL, 0, 0));
  return contents;
}

HostStatus GeneralPage::Load(HostObject& control) {
  GeneralContents contents;
  if (HostStatus s = LoadGeneral(control, contents); !s) return s;
  loaded_ = contents;
  Show(contents);
  return {};
}

// Without a window (the frame took it away) the page applies what its boxes held when it went,
// and keeps the cleaned texts for the next window.
HostStatus GeneralPage::ApplyChanges(HostObject& control) {
  GeneralContents contents = Window() ? Read() : loaded_;
  HostStatus status = ApplyGeneral(control, PlatformNumbers(Locale()), contents);
  if (!Window()) {
    loaded_ = contents;
    return status;
  }
  for (const Bound& b : kTexts)
    if (Text(b.id) != contents.texts[b.property]) SetText(b.id, contents.texts[b.property]);
  return status;
}

void GeneralPage::Command(int id, int code) {
  bool edit = (code == BN_CLICKED && id >= kChkCenterX) || code == EN_CHANGE || code == CBN_SELCHANGE;
  if (edit) EditMade();
}

}  // namespace

HRESULT CreateGeneralPage(REFIID riid, void** ppv) { return CreateComObject<GeneralPage>(riid, ppv); }

}  // namespace amb::pages
