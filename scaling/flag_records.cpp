#include "flag_records.h"

#include "control_record.h"

namespace amb {

const FlagEntry* FlagRecords::Find(std::string_view key) const {
  auto it = index_.find(FoldKey(key));
  return it == index_.end() ? nullptr : &records_[it->second];
}

FlagEntry& FlagRecords::Ensure(std::string_view key) {
  auto [it, added] = index_.emplace(FoldKey(key), records_.size());
  if (added) records_.push_back(FlagEntry{std::string(key), {}});
  return records_[it->second];
}

}  // namespace amb
