#include "form_effects_model.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "page_protocol.h"

namespace amb::pages {
namespace {

constexpr const char* kLists[] = {"FormOpen", "FormClose", "FormPicture"};
constexpr const char* kTimes[] = {"FormOpenTime", "FormCloseTime"};

size_t ListSize(std::string_view property) {
  return property == "FormPicture" ? std::size(kPictureItems) : std::size(kEffectItems);
}

}  // namespace

// A lone "." is taken as the start of a fraction in every locale, as is the locale's own separator:
// both become "0" and the locale's separator, so that the digits typed after it make a fraction
// (where "." groups thousands, "0.5" would be read as 5).
TimeBoxEdit TimeBoxRule(std::string_view text, const LocaleNumbers& numbers) {
  std::string separator = numbers.DecimalSeparator();
  if (text == "." || text == separator) return {"0" + separator, true};
  if (text.empty()) return {std::string(), false};
  TimeBoxEdit edit{std::string(text), false};
  double seconds = numbers.Parse(text).value_or(-1);
  if (!(seconds >= 0)) edit = {"0", true}, seconds = 0;
  if (seconds > 10) edit = {"10", true};
  return edit;
}

HostStatus LoadEffects(HostObject& control, const LocaleNumbers& numbers, EffectsContents& out) {
  for (const char* property : kLists) {
    HostValue value;
    if (HostStatus s = control.Get(property, value); !s) return s;
    LoadListPosition(property, NumberOfValue(value).value_or(0), ListSize(property), out.lists, out.storedLists);
  }
  for (const char* property : kTimes) {
    double seconds = 0;
    if (HostStatus s = GetNumber(control, property, seconds); !s) return s;
    // The rule holds the box to 0..10 anyway; the value only has to stay a number a Single holds.
    float shown = static_cast<float>(std::isnan(seconds) ? -1.0 : std::clamp(seconds, -1.0, 11.0));
    out.times[property] = TimeBoxRule(SingleText(shown, numbers), numbers).text;
  }
  return {};
}

// The times are read before anything is written, so that a refused apply changes nothing.
HostStatus ApplyEffects(HostObject& control, const LocaleNumbers& numbers, const EffectsContents& contents) {
  double seconds[std::size(kTimes)] = {};
  for (size_t i = 0; i < std::size(kTimes); ++i) {
    auto time = contents.times.find(kTimes[i]);
    std::string text = time == contents.times.end() ? std::string() : time->second;
    std::optional<double> number = text.empty() ? 0.0 : numbers.Parse(text);
    if (!number) return HostStatus::Failed(std::string(kTimes[i]) + ": \"" + text + "\" is not a number");
    seconds[i] = *number;
  }
  for (const char* property : kLists)
    if (HostStatus s = control.Let(property, ListValueToWrite(property, contents.lists, contents.storedLists)); !s)
      return NamedFailure(property, s);
  for (size_t i = 0; i < std::size(kTimes); ++i)
    if (HostStatus s = control.Let(kTimes[i], seconds[i]); !s) return NamedFailure(kTimes[i], s);
  return {};
}

}  // namespace amb::pages
