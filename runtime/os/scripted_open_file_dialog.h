#pragma once
// An Open dialog for tests: it records each request and answers with the file set beforehand
// (nothing: the user cancelled).
#include <vector>

#include "open_file_dialog.h"

namespace os {

class ScriptedOpenFileDialog final : public OpenFileDialog {
 public:
  std::optional<std::string> Choose(const OpenFileRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::vector<OpenFileRequest> requests;
  std::optional<std::string> answer;
};

}  // namespace os
