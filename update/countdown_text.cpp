#include "countdown_text.h"

namespace TimedMessageBox {

std::string CountdownText(std::string_view prompt, long secondsLeft) {
  const std::string seconds = std::to_string(secondsLeft);
  std::string text;
  size_t from = 0;
  for (size_t at; (at = prompt.find("%T", from)) != std::string_view::npos; from = at + 2) {
    text.append(prompt.substr(from, at - from));
    text.append(seconds);
  }
  text.append(prompt.substr(from));
  return text;
}

}  // namespace TimedMessageBox
