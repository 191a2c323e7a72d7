#pragma once
// What a menu caption shows as text: the caption language keeps its attribute block ("{...}") and
// the right-hand column (after a TAB) inside the caption itself.
#include <string>
#include <string_view>

namespace modMenus {

// The text before the first TAB with its first "{...}" block taken out, trimmed of blanks.
std::string VisibleText(std::string_view caption);

}  // namespace modMenus
