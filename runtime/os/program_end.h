#pragma once
// Ending the program at once (the platform's End), so that tests can watch the road that leads
// there without ending the test process.
#include "seam.h"

namespace os {

class ProgramEnd {
 public:
  virtual ~ProgramEnd() = default;
  // Unloads every form (each unload runs, so the tray icon goes away), then ends the process.
  virtual void End() = 0;
};

inline ProgramEnd& programEnd() { return Use<ProgramEnd>(); }

}  // namespace os
