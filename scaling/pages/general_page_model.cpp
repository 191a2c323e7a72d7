#include "general_page_model.h"

#include <iterator>
#include <limits>
#include <optional>

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

// ScaleX and ScaleY are 16-bit, the sizes 32-bit; the platform rounds a fraction half to even.
bool FitsItsProperty(std::string_view property, double value) {
  std::optional<int32_t> whole = LongOf(value);
  if (!whole) return false;
  bool integer = property == "ScaleX" || property == "ScaleY";
  return !integer || (*whole >= std::numeric_limits<int16_t>::min() && *whole <= std::numeric_limits<int16_t>::max());
}

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
        double number = NumberOfValue(value).value_or(0);
        if (step.kind == Kind::Check) {
          std::optional<int> check = CheckOf(number);
          if (!check) return HostStatus::Failed(std::string(step.property) + ": Overflow");
          out.checks[step.property] = *check;
        } else {
          LoadListPosition(step.property, number, ListSize(step.property), out.lists, out.storedLists);
        }
        break;
      }
    }
  }
  return {};
}

// Every number is read and checked before anything is written, so that a refused apply changes
// nothing. Numbers go to the control as numbers, read in the page's locale: a text would be read
// again by the control, in the user's.
HostStatus ApplyGeneral(HostObject& control, const LocaleNumbers& numbers, GeneralContents& contents) {
  // Checked in the order of the writes, so the message names the first property that refuses; the
  // boxes are tidied only once the apply goes ahead.
  std::map<std::string, double, std::less<>> values;
  for (const Step& step : kApplyOrder) {
    if (step.kind != Kind::Text || !IsNumberBox(step.property)) continue;
    const auto text = contents.texts.find(step.property);
    const double number = text == contents.texts.end() ? 0 : numbers.Parse(text->second).value_or(0);
    if (!FitsItsProperty(step.property, number)) return HostStatus::Failed(std::string(step.property) + ": Overflow");
    values[step.property] = number;
  }
  for (auto& [property, text] : contents.texts)
    if (IsNumberBox(property) && !numbers.Parse(text)) text = "0";
  for (const Step& step : kApplyOrder) {
    HostValue value;
    switch (step.kind) {
      case Kind::Text:
        if (IsNumberBox(step.property)) {
          value = values[step.property];
        } else {
          value = contents.texts[step.property];
        }
        break;
      case Kind::Check:
        value = TruthOf(contents.checks[step.property]);
        break;
      case Kind::List:
        value = ListValueToWrite(step.property, contents.lists, contents.storedLists);
        break;
    }
    if (HostStatus s = control.Let(step.property, value); !s) return NamedFailure(step.property, s);
  }
  return {};
}

}  // namespace amb::pages
