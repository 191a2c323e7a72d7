#pragma once
// The exclusion pages' working list: one record per control of the host form, in the order of the
// selected control's FormControls, with the page's flags read from its stored flag list. An apply
// writes only the page's own flags, over the stored list as it stands then, so that pages applied
// one after the other in one sheet keep each other's edits. The four pages differ in the probe
// that lists a control, the flags they edit and the switch their banner reports.
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
  std::string_view switchName;  // the General page's switch the banner reports
  bool (*probe)(HostObject& control);
  std::span<const DontScale> flags;  // the flags the page edits, the item's check first
};
const ExclusionPageKind& PageKindOf(ExclusionKind kind);

struct PageRecord {
  std::string key;
  std::string typeName;  // what the type label shows for it
  bool listed = false;   // the page's probe passed
  FlagEntry entry;       // the page's own flags are the ones that count
};

struct Banner {
  std::string caption;
  uint32_t colour = 0;  // 0x00BBGGRR
};
Banner BannerFor(ExclusionKind kind, bool switchOn);
// Reads the page's switch from the control; an unreadable switch shows as False.
Banner ReadBanner(ExclusionKind kind, HostObject& control);

// The control's stored flag list as it stands: every entry with its key and all ten flags. Fails
// on a read that fails and on a count or flag that is no number the platform takes ("Overflow").
HostStatus ReadStoredList(HostObject& control, std::vector<FlagEntry>& out);

class ExclusionModel {
 public:
  explicit ExclusionModel(ExclusionKind kind) : kind_(kind) {}

  // Records for every item of the control's FormControls, their flags from the stored list; a
  // stored entry whose control is gone is blanked on the control at once. A control without
  // FormControls gives no records and changes nothing. A build that fails part-way keeps no
  // record: the page then has no list and writes nothing.
  HostStatus Build(HostObject& control);
  // Whether the records hold the whole of the host form's controls.
  bool HasList() const { return !records_.empty(); }
  // ControlFlagCount, then per record its key, the page's own flags from the record and every
  // other flag from the stored entry of the same key. Writes nothing without a list or when the
  // stored list cannot be read; a write that fails does not stop the others, the first failure
  // is answered once all were tried.
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
  HostStatus BuildRecords(HostObject& control);

  ExclusionKind kind_;
  std::vector<PageRecord> records_;
};

}  // namespace amb::pages
