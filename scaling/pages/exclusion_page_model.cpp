#include "exclusion_page_model.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>

#include "control_probes.h"
#include "ignore_case.h"
#include "page_protocol.h"

namespace amb::pages {
namespace {

constexpr DontScale kBorderFlags[] = {DontScale::Border};
constexpr DontScale kFontFlags[] = {DontScale::Font};
constexpr DontScale kGraphicFlags[] = {DontScale::Graphic};
constexpr DontScale kControlFlags[] = {DontScale::Control, DontScale::Left,  DontScale::Top,   DontScale::Width,
                                       DontScale::Height,  DontScale::Right, DontScale::Bottom};

const ExclusionPageKind kKinds[] = {
    {"ScaleBorders", &CanScaleBorder, kBorderFlags},
    {"ScaleFonts", &CanScaleFont, kFontFlags},
    {"ScaleGraphics", &CanScaleGraphic, kGraphicFlags},
    {"ScaleControls", &CanScaleControl, kControlFlags},
};

constexpr uint32_t kGreen = 0xFF00;
constexpr uint32_t kRed = 0xFF;

// A Boolean as the pages read it: its value And 1; a number beyond a 32-bit integer has none.
std::optional<bool> TruthOfValue(const HostValue& value) {
  std::optional<double> number = NumberOfValue(value);
  if (!number) return false;
  std::optional<int> check = CheckOf(*number);
  if (!check) return std::nullopt;
  return *check == 1;
}

HostStatus Overflow(std::string_view property) { return HostStatus::Failed(std::string(property) + ": Overflow"); }

// The stored entry of a key; when a key is stored at several positions, the highest one counts.
// Entries by folded key, built once: a stored list may hold 32767 entries, and every record of the
// form looks its own up. Where a key is stored twice the later entry counts.
std::unordered_map<std::string, size_t> IndexByKey(const std::vector<FlagEntry>& stored) {
  std::unordered_map<std::string, size_t> index;
  for (size_t i = 0; i < stored.size(); ++i) index[FoldKey(stored[i].key)] = i;
  return index;
}

}  // namespace

const ExclusionPageKind& PageKindOf(ExclusionKind kind) { return kKinds[static_cast<int>(kind)]; }

Banner BannerFor(ExclusionKind kind, bool switchOn) {
  std::string name(PageKindOf(kind).switchName);
  return {name + (switchOn ? " = True" : " = False") + " (Set on General Tab) ", switchOn ? kGreen : kRed};
}

Banner ReadBanner(ExclusionKind kind, HostObject& control) {
  HostValue value;
  bool on = control.Get(PageKindOf(kind).switchName, value) && TruthOfValue(value).value_or(false);
  return BannerFor(kind, on);
}

HostStatus ReadStoredList(HostObject& control, std::vector<FlagEntry>& out) {
  out.clear();
  double stored = 0;
  if (HostStatus s = GetNumber(control, "ControlFlagCount", stored); !s) return s;
  // The count is a 16-bit number; a negative one lists nothing.
  std::optional<int32_t> count = LongOf(stored);
  if (!count || *count > std::numeric_limits<int16_t>::max() || *count < std::numeric_limits<int16_t>::min())
    return Overflow("ControlFlagCount");
  for (int32_t i = 1; i <= *count; ++i) {
    const HostValue index = static_cast<double>(i);
    HostValue key;
    if (HostStatus s = control.GetAt(kFlagKeyPropertyName, index, key); !s) return s;
    FlagEntry entry;
    entry.key = TextOf(key);
    for (DontScale flag : kAllDontScale) {
      HostValue value;
      if (HostStatus s = control.GetAt(FlagPropertyName(flag), index, value); !s) return s;
      std::optional<bool> truth = TruthOfValue(value);
      if (!truth) return Overflow(FlagPropertyName(flag));
      entry[flag] = *truth;
    }
    out.push_back(std::move(entry));
  }
  return {};
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
  HostStatus status = BuildRecords(control);
  if (!status) records_.clear();
  return status;
}

HostStatus ExclusionModel::BuildRecords(HostObject& control) {
  records_.clear();
  HostObjectPtr controls;
  if (!GetObjectOf(control, "FormControls", controls) || !controls) return {};
  int32_t count = 0;
  if (HostStatus s = CountOf(*controls, count); !s) return s;
  std::unordered_map<std::string, size_t> recordOf;  // by folded key
  for (int32_t i = 0; i < count; ++i) {
    HostObjectPtr item;
    if (HostStatus s = ItemOf(*controls, i, item); !s) return s;
    PageRecord record;
    // A collection item without a readable name cannot be stored under a key; it is left out.
    if (!GetControlKey(item.get(), record.key) || !recordOf.emplace(FoldKey(record.key), records_.size()).second)
      continue;
    record.typeName = item->TypeName();
    record.listed = PageKindOf(kind_).probe(*item);
    record.entry.key = record.key;
    records_.push_back(std::move(record));
  }
  std::vector<FlagEntry> stored;
  if (HostStatus s = ReadStoredList(control, stored); !s) return s;
  std::span<const DontScale> own = PageKindOf(kind_).flags;
  for (size_t i = 0; i < stored.size(); ++i) {
    const HostValue index = static_cast<double>(i + 1);
    if (auto found = recordOf.find(FoldKey(stored[i].key)); found != recordOf.end()) {
      for (DontScale flag : own) records_[found->second].entry[flag] = stored[i][flag];
      continue;
    }
    // The entry's control is no longer on the form.
    if (HostStatus s = control.LetAt(kFlagKeyPropertyName, index, std::string()); !s) return s;
    for (DontScale flag : own)
      if (HostStatus s = control.LetAt(FlagPropertyName(flag), index, false); !s) return s;
  }
  return {};
}

HostStatus ExclusionModel::Apply(HostObject& control) const {
  if (records_.empty()) return {};
  std::vector<FlagEntry> stored;
  if (HostStatus s = ReadStoredList(control, stored); !s) return s;
  std::span<const DontScale> own = PageKindOf(kind_).flags;
  HostStatus first;
  auto note = [&first](HostStatus s) {
    if (first && !s) first = std::move(s);
  };
  const std::unordered_map<std::string, size_t> storedOf = IndexByKey(stored);
  note(NamedFailure("ControlFlagCount", control.Let("ControlFlagCount", static_cast<double>(records_.size()))));
  for (size_t i = 0; i < records_.size(); ++i) {
    const HostValue index = static_cast<double>(i + 1);
    const PageRecord& record = records_[i];
    auto found = storedOf.find(FoldKey(record.key));
    const FlagEntry* current = found == storedOf.end() ? nullptr : &stored[found->second];
    note(NamedFailure(kFlagKeyPropertyName, control.LetAt(kFlagKeyPropertyName, index, record.key)));
    auto write = [&](DontScale flag, bool value) {
      note(NamedFailure(FlagPropertyName(flag), control.LetAt(FlagPropertyName(flag), index, value)));
    };
    for (DontScale flag : own) write(flag, record.entry[flag]);
    for (DontScale flag : kAllDontScale)
      if (std::find(own.begin(), own.end(), flag) == own.end()) write(flag, current && (*current)[flag]);
  }
  return first;
}

}  // namespace amb::pages
