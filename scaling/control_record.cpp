#include "control_record.h"

namespace amb {

ControlRecord* ControlRecords::Find(std::string_view key) {
  auto it = records_.find(FoldKey(key));
  return it == records_.end() ? nullptr : it->second.get();
}

ControlRecord& ControlRecords::Ensure(std::string_view key) {
  std::unique_ptr<ControlRecord>& slot = records_[FoldKey(key)];
  if (!slot) slot = std::make_unique<ControlRecord>();
  return *slot;
}

}  // namespace amb
