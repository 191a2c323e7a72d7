#include "general_page_model.h"

#include <iterator>

#include "page_protocol.h"

namespace amb::pages {
namespace {

enum class Kind { Check, Text, List };
struct Step {
  Kind kind;
  const char* property;
};

constexpr Step kLoadOrder[] = {
    {Kind::Check, "GradientFill"},    {Kind::Text, "MdiChildHeight"},   {Kind::Text, "MdiChildWidth"},
    {Kind::Text, "WindowName"},       {Kind::Check, "SaveWindowState"}, {Kind::Check, "ScaleGraphics"},
    {Kind::Check, "ScaleControls"},   {Kind::Check, "ScaleFonts"},      {Kind::Check, "ScaleBorders"},
    {Kind::Check, "ResizeOnMouseUp"}, {Kind::Check, "StayOnTop"},       {Kind::Text, "ScaleY"},
    {Kind::Text, "ScaleX"},           {Kind::Text, "MinHeight"},        {Kind::Text, "MinWidth"},
    {Kind::Text, "MaxHeight"},        {Kind::Text, "MaxWidth"},         {Kind::Check, "CenterY"},
    {Kind::Check, "CenterX"},         {Kind::Check, "BeepOnMinMax"},    {Kind::Check, "ResizeAtOnce"},
    {Kind::List, "GradientSource"},   {Kind::List, "GradientType"},
};

constexpr Step kApplyOrder[] = {
    {Kind::Text, "WindowName"},       {Kind::Check, "SaveWindowState"}, {Kind::Check, "ScaleGraphics"},
    {Kind::Check, "ScaleControls"},   {Kind::Check, "ScaleFonts"},      {Kind::Check, "ScaleBorders"},
    {Kind::Check, "GradientFill"},    {Kind::Check, "ResizeOnMouseUp"}, {Kind::Check, "StayOnTop"},
    {Kind::Text, "ScaleY"},           {Kind::Text, "ScaleX"},           {Kind::Text, "MinHeight"},
    {Kind::Text, "MinWidth"},         {Kind::Text, "MaxHeight"},        {Kind::Text, "MaxWidth"},
    {Kind::Text, "MdiChildHeight"},   {Kind::Text, "MdiChildWidth"},    {Kind::Check, "CenterY"},
    {Kind::Check, "CenterX"},         {Kind::List, "GradientSource"},   {Kind::List, "GradientType"},
    {Kind::Check, "BeepOnMinMax"},    {Kind::Check, "ResizeAtOnce"},
};

bool IsNumberBox(std::string_view property) { return property != "WindowName"; }

size_t ListSize(std::string_view property) {
  return property == "GradientSource" ? std::size(kGradientSourceItems) : std::size(kGradientTypeItems);
}

}  // namespace

HostStatus LoadGeneral(HostObject& control, GeneralContents& out) {
  for (const Step& step : kLoadOrder) {
    HostValue value;
    if (HostStatus s = control.Get(step.property, value); !s) return s;
    switch (step.kind) {
      case Kind::Text:
        out.texts[step.property] = TextOf(value);
        break;
      case Kind::Check:
      case Kind::List: {
        double number = 0;
        if (const double* d = std::get_if<double>(&value)) number = *d;
        if (const bool* b = std::get_if<bool>(&value)) number = *b ? -1 : 0;
        if (step.kind == Kind::Check) {
          std::optional<int> check = CheckOf(number);
          if (!check) return HostStatus::Failed(std::string(step.property) + ": Overflow");
          out.checks[step.property] = *check;
        } else {
          // A stored position outside the list (set by code) shows no item.
          bool inList = number >= 0 && number < static_cast<double>(ListSize(step.property));
          out.lists[step.property] = inList ? static_cast<int>(number) : -1;
          out.storedLists[step.property] = number;
        }
        break;
      }
    }
  }
  return {};
}

HostStatus ApplyGeneral(HostObject& control, const LocaleNumbers& numbers, GeneralContents& contents) {
  for (auto& [property, text] : contents.texts)
    if (IsNumberBox(property) && !numbers.Parse(text)) text = "0";
  for (const Step& step : kApplyOrder) {
    HostValue value;
    switch (step.kind) {
      case Kind::Text:
        value = contents.texts[step.property];
        break;
      case Kind::Check:
        value = TruthOf(contents.checks[step.property]);
        break;
      case Kind::List: {
        auto position = contents.lists.find(step.property);
        int shown = position == contents.lists.end() ? -1 : position->second;
        auto stored = contents.storedLists.find(step.property);
        value = shown < 0 && stored != contents.storedLists.end() ? stored->second : static_cast<double>(shown);
        break;
      }
    }
    if (HostStatus s = control.Let(step.property, value); !s) return s;
  }
  return {};
}

}  // namespace amb::pages
