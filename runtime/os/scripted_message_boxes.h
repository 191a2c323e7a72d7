#pragma once
// Message boxes for tests: each box is recorded, and answered from a queue of buttons (IDOK when
// the queue is empty); whileShown, when set, runs as if the user were still reading the box.
#include <deque>
#include <functional>
#include <vector>

#include "message_box.h"

namespace os {

struct ShownBox {
  HWND owner;
  std::string text;
  std::string title;
  UINT flags;
};

class ScriptedMessageBoxes final : public MessageBoxes {
 public:
  int Show(HWND owner, const std::string& text, const std::string& title, UINT flags) override {
    shown.push_back({owner, text, title, flags});
    if (whileShown) whileShown(ShownBox(shown.back()));  // a copy: boxes shown meanwhile grow the list
    if (answers.empty()) return IDOK;
    int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::vector<ShownBox> shown;
  std::deque<int> answers;
  std::function<void(const ShownBox&)> whileShown;
};

}  // namespace os
