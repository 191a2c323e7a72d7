#include "form_effects_model.h"

#include <cstdlib>
#include <iterator>

#include "general_page_model.h"

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

TimeBoxEdit TimeBoxRule(std::string_view text) {
  if (text == ".") return {"0.", true};
  if (text.empty()) return {std::string(), false};
  TimeBoxEdit edit{std::string(text), false};
  double seconds = IsNumericText(text) ? std::strtod(std::string(text).c_str(), nullptr) : -1;
  if (seconds < 0) edit = {"0", true}, seconds = 0;
  if (seconds > 10) edit = {"10", true};
  return edit;
}

HostStatus LoadEffects(HostObject& control, EffectsContents& out) {
  for (const char* property : kLists) {
    HostValue value;
    if (HostStatus s = control.Get(property, value); !s) return s;
    double number = NumberIn(value);
    bool inList = number >= 0 && number < static_cast<double>(ListSize(property));
    out.lists[property] = inList ? static_cast<int>(number) : -1;
    out.storedLists[property] = number;
  }
  for (const char* property : kTimes) {
    HostValue value;
    if (HostStatus s = control.Get(property, value); !s) return s;
    out.times[property] = TimeBoxRule(TextOf(value)).text;
  }
  return {};
}

HostStatus ApplyEffects(HostObject& control, const EffectsContents& contents) {
  for (const char* property : kLists) {
    auto shown = contents.lists.find(property);
    auto stored = contents.storedLists.find(property);
    int position = shown == contents.lists.end() ? -1 : shown->second;
    double value = position < 0 && stored != contents.storedLists.end() ? stored->second : position;
    if (HostStatus s = control.Let(property, value); !s) return s;
  }
  for (const char* property : kTimes) {
    auto time = contents.times.find(property);
    std::string text = time == contents.times.end() || time->second.empty() ? "0" : time->second;
    if (HostStatus s = control.Let(property, text); !s) return s;
  }
  return {};
}

}  // namespace amb::pages
