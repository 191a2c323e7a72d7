#pragma once
#include <string>
#include <string_view>

namespace TimedMessageBox {

// The prompt with every "%T" (case-sensitive) replaced by the seconds left.
std::string CountdownText(std::string_view prompt, long secondsLeft);

}  // namespace TimedMessageBox
