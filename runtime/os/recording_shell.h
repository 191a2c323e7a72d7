#pragma once
// A shell adapter that records each request and opens nothing.
#include <vector>

#include "shell.h"

namespace os {

class RecordingShell final : public Shell {
 public:
  INT_PTR Execute(const ShellExecuteRequest& request) override {
    requests.push_back(request);
    return result;
  }
  std::vector<ShellExecuteRequest> requests;
  INT_PTR result = 42;
};

}  // namespace os
