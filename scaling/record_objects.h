#pragma once
// The record collections and their records as a host program reaches them late-bound: the
// platform's keyed collection (Count, Item by key or by position from 1, Add, Remove, For Each)
// of ControlClass or ControlFlags objects, each a view of the very record the engine reads and
// writes.
#include <oaidl.h>

#include <memory>

#include "control_record.h"
#include "flag_records.h"

namespace amb {

HRESULT NewControlInfoCollection(std::shared_ptr<KeyedList<ControlRecord>> list, IDispatch** out);
HRESULT NewControlFlagsCollection(std::shared_ptr<KeyedList<FlagRecord>> list, IDispatch** out);
// The list behind a collection of that kind made by this library; null for any other object.
std::shared_ptr<KeyedList<ControlRecord>> ControlInfoListOf(IDispatch* object);
std::shared_ptr<KeyedList<FlagRecord>> ControlFlagsListOf(IDispatch* object);

}  // namespace amb
