#pragma once
// Task records for tests: only the fields a case is about.
#include <string>

#include "task_records.h"

namespace test {

inline DozIzevodoz::TaskRecord Task(int32_t id, std::string desc, std::string actions) {
  DozIzevodoz::TaskRecord t;
  t.ID = id;
  t.Desc = std::move(desc);
  t.Actions = std::move(actions);
  return t;
}

}  // namespace test
