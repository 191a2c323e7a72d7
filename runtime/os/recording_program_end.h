#pragma once
// A program end that only counts how often the program would have ended.
#include "program_end.h"

namespace os {

class RecordingProgramEnd final : public ProgramEnd {
 public:
  void End() override { ++ends; }
  int ends = 0;
};

}  // namespace os
