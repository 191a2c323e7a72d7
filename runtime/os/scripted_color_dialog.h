#pragma once
// A Color dialog for tests: it records each request and answers with the colour set beforehand
// (nothing: the user cancelled).
#include <vector>

#include "color_dialog.h"

namespace os {

class ScriptedColorDialog final : public ColorDialog {
 public:
  std::optional<COLORREF> Choose(const ColorRequest& request) override {
    requests.push_back(request);
    return answer;
  }
  std::vector<ColorRequest> requests;
  std::optional<COLORREF> answer;
};

}  // namespace os
