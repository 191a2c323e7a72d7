#pragma once
// The per-control flag records that loading builds from the stored flag list and the resize
// engine reads: one record per control key, keys compared without regard to case.
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "control_flag_list.h"

namespace amb {

class FlagRecords {
 public:
  // The record under key, added empty when none exists yet. References stay valid as records are
  // added.
  FlagEntry& Ensure(std::string_view key);
  const FlagEntry* Find(std::string_view key) const;
  size_t Size() const { return records_.size(); }
  const std::deque<FlagEntry>& All() const { return records_; }

 private:
  std::deque<FlagEntry> records_;  // in the order the keys were first seen
  std::unordered_map<std::string, size_t> index_;  // folded key -> position
};

}  // namespace amb
