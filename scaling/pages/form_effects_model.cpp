#include "form_effects_model.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace amb::pages {
namespace {

constexpr const char* kLists[] = {"FormOpen", "FormClose", "FormPicture"};
constexpr const char* kTimes[] = {"FormOpenTime", "FormCloseTime"};

size_t ListSize(std::string_view property) {
  return property == "FormPicture" ? std::size(kPictureItems) : std::size(kEffectItems);
}

double NumberIn(const HostValue& value) {
  if (const double* d = std::get_if<double>(&value)) return *d;
  if (const bool* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
  return 0;
}

}  // namespace

TimeBoxEdit TimeBoxRule(std::string_view text, const LocaleNumbers& numbers) {
  std::string separator = numbers.DecimalSeparator();
  if (text == separator) return {"0" + separator, true};
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
    double number = NumberIn(value);
    bool inList = number >= 0 && number < static_cast<double>(ListSize(property));
    out.lists[property] = inList ? static_cast<int>(number) : -1;
    out.storedLists[property] = number;
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

HostStatus ApplyEffects(HostObject& control, const LocaleNumbers& numbers, const EffectsContents& contents) {
  for (const char* property : kLists) {
    auto shown = contents.lists.find(property);
    auto stored = contents.storedLists.find(property);
    int position = shown == contents.lists.end() ? -1 : shown->second;
    double value = position < 0 && stored != contents.storedLists.end() ? stored->second : position;
    if (HostStatus s = control.Let(property, value); !s) return s;
  }
  for (const char* property : kTimes) {
    auto time = contents.times.find(property);
    std::string text = time == contents.times.end() ? std::string() : time->second;
    std::optional<double> seconds = text.empty() ? 0.0 : numbers.Parse(text);
    if (!seconds) return HostStatus::Failed(std::string(property) + ": \"" + text + "\" is not a number");
    if (HostStatus s = control.Let(property, *seconds); !s) return s;
  }
  return {};
}

}  // namespace amb::pages
