#pragma once
// The control library's classes stand on the runtime's COM base, under the names they use.
#include "ole/com_entry.h"
#include "ole/com_object.h"
#include "ole/connection_point.h"
#include "ole/snapshot_enum.h"

namespace amb {

using rt::ole::ComEntry;
using rt::ole::ComObject;
using rt::ole::ConnectionPoint;
using rt::ole::CreateComObject;
using rt::ole::InvokeEntry;
using rt::ole::SnapshotEnum;

}  // namespace amb
