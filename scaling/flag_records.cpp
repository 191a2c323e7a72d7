#include "flag_records.h"

#include <algorithm>

#include "ignore_case.h"

namespace amb {

const FlagEntry* FlagRecords::Find(std::string_view key) const {
  auto it = std::find_if(records_.begin(), records_.end(), [&](const FlagEntry& r) { return EqualsIgnoringCase(r.key, key); });
  return it == records_.end() ? nullptr : &*it;
}

FlagEntry& FlagRecords::Ensure(std::string_view key) {
  if (const FlagEntry* found = Find(key)) return const_cast<FlagEntry&>(*found);
  records_.push_back(FlagEntry{std::string(key), {}});
  return records_.back();
}

}  // namespace amb
