#include "control_flag_list.h"

namespace amb {

std::string_view DontScaleName(DontScale flag) {
  static constexpr std::array<std::string_view, kDontScaleCount> names = {
      "DontScaleControl", "DontScaleFont",  "DontScaleBorder", "DontScaleGraphic", "DontScaleLeft",
      "DontScaleTop",     "DontScaleWidth", "DontScaleHeight", "DontScaleRight",   "DontScaleBottom"};
  return names[static_cast<int>(flag)];
}

std::string FlagPropertyName(DontScale flag) { return "ControlFlag" + std::string(DontScaleName(flag)); }

std::string EntryBagName(std::string_view base, int i) { return std::string(base) + std::to_string(i); }

bool ControlFlagList::Resize(int16_t count) {
  if (count < 0) return false;
  entries_.resize(static_cast<size_t>(count) + 1);
  count_ = count;
  return true;
}

FlagEntry* ControlFlagList::Entry(int n) {
  if (n < 0 || static_cast<size_t>(n) >= entries_.size()) return nullptr;
  return &entries_[static_cast<size_t>(n)];
}

const FlagEntry* ControlFlagList::Entry(int n) const { return const_cast<ControlFlagList*>(this)->Entry(n); }

}  // namespace amb
