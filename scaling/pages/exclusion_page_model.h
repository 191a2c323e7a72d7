#pragma once
// The exclusion pages' working list: one record per control of the host form, in the order of the
// selected control's FormControls, with the flags read from its stored flag list, and written back
// as a whole. The four pages differ in the probe that lists a control, the flags they edit and the
// switch their banner reports.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control_flag_list.h"
#include "host_object.h"

namespace amb::pages {

enum class ExclusionKind { Borders, Fonts, Graphics, Controls };

struct ExclusionPageKind {
  std::string_view className;  // also the tab caption
  std::string_view switchName; // the General page's switch the banner reports
  bool (*probe)(HostObject& control);
  std::span<const DontScale> flags;  // the flags the page edits, the item's check first
};
const ExclusionPageKind& PageKindOf(ExclusionKind kind);

struct PageRecord {
  std::string key;
  std::string typeName;  // what the type label shows for it
  bool listed = false;   // the page's probe passed
  FlagEntry entry;       // all ten flags, so an apply keeps them with their control's key
};

struct Banner {
  std::string caption;
  uint32_t colour = 0;  // 0x00BBGGRR
};
Banner BannerFor(ExclusionKind kind, bool switchOn);
// Reads the page's switch from the control; an unreadable switch shows as False.
Banner ReadBanner(ExclusionKind kind, HostObject& control);

class ExclusionModel {
 public:
  explicit ExclusionModel(ExclusionKind kind) : kind_(kind) {}

  // Records for every item of the control's FormControls, their flags from the stored list; a
  // stored entry whose control is gone is blanked on the control at once. A control without
  // FormControls gives no records and changes nothing.
  HostStatus Build(HostObject& control);
  // ControlFlagCount, then per record its key and its ten flags, the page's own first.
  HostStatus Apply(HostObject& control) const;

  const std::vector<PageRecord>& Records() const { return records_; }
  std::vector<PageRecord>& Records() { return records_; }
  // The record under key (compared without regard to case), or nullptr.
  PageRecord* Find(std::string_view key);
  // The record's check: its first page flag.
  bool Check(const PageRecord& record) const;
  // Sets the check flag; true when it changed.
  bool SetCheck(PageRecord& record, bool checked);

 private:
  HostStatus ReadStoredList(HostObject& control);

  ExclusionKind kind_;
  std::vector<PageRecord> records_;
};

}  // namespace amb::pages
