#pragma once
// The per-control flag records that loading builds from the stored flag list and the resize
// engine reads: one record per control key, keys compared without regard to case.
#include <string>
#include <string_view>
#include <vector>

#include "control_flag_list.h"

namespace amb {

class FlagRecords {
 public:
  // The record under key, added empty when none exists yet.
  FlagEntry& Ensure(std::string_view key);
  const FlagEntry* Find(std::string_view key) const;
  size_t Size() const { return records_.size(); }
  const std::vector<FlagEntry>& All() const { return records_; }

 private:
  std::vector<FlagEntry> records_;  // in the order the keys were first seen
};

}  // namespace amb
