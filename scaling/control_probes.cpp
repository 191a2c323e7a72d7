#include "control_probes.h"

#include <cmath>
#include <cstdio>

namespace amb {

std::string ControlKeyOf(std::string_view name, const double* index) {
  std::string key(name);
  if (index && *index >= 0) {
    char text[24];
    std::snprintf(text, sizeof text, "(%.0f)", std::floor(*index));
    key += text;
  }
  return key;
}

// Index fails on a control outside an array; that leaves the bare name.
HostStatus GetControlKey(HostObject* control, std::string& key) {
  key.clear();
  if (!control) return {};
  std::string name;
  HostStatus s = GetText(*control, "Name", name);
  if (!s) return s;
  double index = 0;
  key = ControlKeyOf(name, GetNumber(*control, "Index", index) ? &index : nullptr);
  return {};
}

bool CanScaleControl(HostObject& control) {
  if (control.IsForm()) return false;
  auto all = [&](std::initializer_list<std::string_view> names) {
    for (std::string_view n : names)
      if (!Readable(control, n)) return false;
    return true;
  };
  return all({"Left", "Top", "Width", "Height"}) || all({"X1", "X2", "Y1", "Y2"});
}

bool CanScaleGraphic(HostObject& control) {
  if (control.TypeName() == "ImageList") return true;
  return Readable(control, "Picture") || Readable(control, "DownPicture") || Readable(control, "DisabledPicture");
}

bool CanScaleBorder(HostObject& control) { return Readable(control, "BorderWidth"); }

// HeadFont counts too: the engine records and scales it, so a control whose only font it is must
// be one the fonts page can exclude.
bool CanScaleFont(HostObject& control) {
  if (control.IsForm()) return false;
  for (std::string_view font : kFontMembers)
    if (ReadableNested(control, font, "Size")) return true;
  return false;
}

bool TakesPart(std::string_view typeName, std::string_view name) {
  if (typeName == "Menu") return false;
  constexpr std::string_view kPrefix = "NORESIZE";
  if (name.size() < kPrefix.size()) return true;
  for (size_t i = 0; i < kPrefix.size(); ++i) {
    char c = name[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != kPrefix[i]) return true;
  }
  return false;
}

}  // namespace amb
