#include "exclusion_page_model.h"

#include <algorithm>

#include "control_probes.h"
#include "ignore_case.h"

namespace amb::pages {
namespace {

constexpr DontScale kBorderFlags[] = {DontScale::Border};
constexpr DontScale kFontFlags[] = {DontScale::Font};
constexpr DontScale kGraphicFlags[] = {DontScale::Graphic};
constexpr DontScale kControlFlags[] = {DontScale::Control, DontScale::Left,  DontScale::Top,   DontScale::Width,
                                       DontScale::Height,  DontScale::Right, DontScale::Bottom};

const ExclusionPageKind kKinds[] = {
    {"ScaleBorders", "ScaleBorders", &CanScaleBorder, kBorderFlags},
    {"ScaleFonts", "ScaleFonts", &CanScaleFont, kFontFlags},
    {"ScaleGraphics", "ScaleGraphics", &CanScaleGraphic, kGraphicFlags},
    {"ScaleControls", "ScaleControls", &CanScaleControl, kControlFlags},
};

constexpr uint32_t kGreen = 0xFF00;
constexpr uint32_t kRed = 0xFF;

bool TruthOfValue(const HostValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b;
  if (const double* d = std::get_if<double>(&value)) return (static_cast<long long>(*d) & 1) != 0;
  return false;
}

}  // namespace

const ExclusionPageKind& PageKindOf(ExclusionKind kind) { return kKinds[static_cast<int>(kind)]; }

Banner BannerFor(ExclusionKind kind, bool switchOn) {
  std::string name(PageKindOf(kind).switchName);
  return {name + (switchOn ? " = True" : " = False") + " (Set on General Tab) ", switchOn ? kGreen : kRed};
}

Banner ReadBanner(ExclusionKind kind, HostObject& control) {
  HostValue value;
  bool on = control.Get(PageKindOf(kind).switchName, value) && TruthOfValue(value);
  return BannerFor(kind, on);
}

PageRecord* ExclusionModel::Find(std::string_view key) {
  auto it = std::find_if(records_.begin(), records_.end(),
                         [&](const PageRecord& r) { return EqualsIgnoringCase(r.key, key); });
  return it == records_.end() ? nullptr : &*it;
}

bool ExclusionModel::Check(const PageRecord& record) const { return record.entry[PageKindOf(kind_).flags[0]]; }

bool ExclusionModel::SetCheck(PageRecord& record, bool checked) {
  bool& flag = record.entry[PageKindOf(kind_).flags[0]];
  if (flag == checked) return false;
  flag = checked;
  return true;
}

HostStatus ExclusionModel::Build(HostObject& control) {
  records_.clear();
  HostObjectPtr controls;
  if (!GetObjectOf(control, "FormControls", controls) || !controls) return {};
  int32_t count = 0;
  if (HostStatus s = CountOf(*controls, count); !s) return s;
  for (int32_t i = 0; i < count; ++i) {
    HostObjectPtr item;
    if (HostStatus s = ItemOf(*controls, i, item); !s) return s;
    PageRecord record;
    // A collection item without a readable name cannot be stored under a key; it is left out.
    if (!GetControlKey(item.get(), record.key) || Find(record.key)) continue;
    record.typeName = item->TypeName();
    record.listed = PageKindOf(kind_).probe(*item);
    record.entry.key = record.key;
    records_.push_back(std::move(record));
  }
  return ReadStoredList(control);
}

HostStatus ExclusionModel::ReadStoredList(HostObject& control) {
  double count = 0;
  if (HostStatus s = GetNumber(control, "ControlFlagCount", count); !s) return s;
  for (int i = 1; i <= static_cast<int16_t>(count); ++i) {
    const HostValue index = static_cast<double>(i);
    HostValue key;
    if (HostStatus s = control.GetAt(kFlagKeyPropertyName, index, key); !s) return s;
    PageRecord* record = Find(TextOf(key));
    if (!record) {
      // The entry's control is no longer on the form.
      if (HostStatus s = control.LetAt(kFlagKeyPropertyName, index, std::string()); !s) return s;
      for (DontScale flag : PageKindOf(kind_).flags)
        if (HostStatus s = control.LetAt(FlagPropertyName(flag), index, false); !s) return s;
      continue;
    }
    for (DontScale flag : kAllDontScale) {
      HostValue value;
      if (HostStatus s = control.GetAt(FlagPropertyName(flag), index, value); !s) return s;
      record->entry[flag] = TruthOfValue(value);
    }
  }
  return {};
}

HostStatus ExclusionModel::Apply(HostObject& control) const {
  std::span<const DontScale> own = PageKindOf(kind_).flags;
  if (HostStatus s = control.Let("ControlFlagCount", static_cast<double>(records_.size())); !s) return s;
  for (size_t i = 0; i < records_.size(); ++i) {
    const HostValue index = static_cast<double>(i + 1);
    const PageRecord& record = records_[i];
    if (HostStatus s = control.LetAt(kFlagKeyPropertyName, index, record.key); !s) return s;
    for (DontScale flag : own)
      if (HostStatus s = control.LetAt(FlagPropertyName(flag), index, record.entry[flag]); !s) return s;
    for (DontScale flag : kAllDontScale) {
      if (std::find(own.begin(), own.end(), flag) != own.end()) continue;
      if (HostStatus s = control.LetAt(FlagPropertyName(flag), index, record.entry[flag]); !s) return s;
    }
  }
  return {};
}

}  // namespace amb::pages
