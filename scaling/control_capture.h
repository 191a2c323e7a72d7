#pragma once
// Recording one control of the host form into its record, and giving it a flags entry.
#include <memory>
#include <optional>
#include <string>

#include "control_record.h"
#include "flag_records.h"
#include "host_object.h"

namespace amb {

// What decides a control's kind; later tests override earlier ones.
struct KindFacts {
  std::string typeName;
  std::optional<std::string> containerTypeName;  // none when the Container cannot be read
  bool formOrMdiParent = false;
};
ControlKind KindOf(const KindFacts& facts);

// What the capability flags are decided from: which members can be read.
struct CapabilityFacts {
  ControlKind kind = ControlKind::Ordinary;
  std::string typeName;
  bool tabs = false, buttons = false, nodes = false, imageList = false, icons = false, smallIcons = false;
};
void DecideCapabilities(const CapabilityFacts& facts, ControlRecord& record);

// Records control under its key (adding the record when missing, updating it in place
// otherwise). The reference size stands for the container of controls placed on the form. Only
// an unreadable key fails; any member the control lacks leaves its field as it was. Nothing (null)
// is recorded under the key "" as an object that has no member.
HostStatus RecordControl(HostObject* control, ControlRecords& records, float referenceWidth, float referenceHeight,
                         std::shared_ptr<ControlRecord>* recorded = nullptr);

// A flags entry under the control's key ("" for Nothing), added empty when missing; an existing one
// is kept.
HostStatus EnsureControlFlags(HostObject* control, FlagRecords& flags);

}  // namespace amb
