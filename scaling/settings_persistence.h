#pragma once
// The control's stored form: which names, types and defaults go into a property bag and in what
// order, and what loading builds beyond the settings (the per-control flag records).
#include "ambrelo_settings.h"
#include "bag_value.h"
#include "flag_records.h"

namespace amb {

// Reads every stored name into s; a missing name gives its default, a value that does not convert
// leaves its field as it was. Each stored flag entry also lands in the record of its key.
void ReadSettings(BagReader& bag, AmbreloSettings& s, FlagRecords& records);

// Writes every value that differs from its default. design is the size to store: the host form's
// at design time, the instance's own otherwise.
void WriteSettings(const AmbreloSettings& s, const DesignSize& design, BagWriter& bag);

}  // namespace amb
