#pragma once
// The per-control flag records (colControlFlags) that loading builds from the stored flag list and
// the resize engine reads: one record per control key, keys compared without regard to case.
#include <string>

#include "control_flag_list.h"
#include "host_object.h"
#include "keyed_store.h"

namespace amb {

// The flags under the collection's key (FlagEntry::key), with the two members the property pages
// use for working entries of their own; the control leaves them empty.
struct FlagRecord : FlagEntry {
  std::string controlKey;
  HostObjectPtr control;
};

using FlagRecords = KeyedStore<FlagRecord>;

}  // namespace amb
