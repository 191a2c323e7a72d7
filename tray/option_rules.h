#pragma once
// The rules of the countdown text options: what the dialog shows for the stored settings, and
// when the user has changed anything.
#include <string>

namespace tray {

struct OptionTexts {
  std::string message, font, timeOut;
  bool operator==(const OptionTexts&) const = default;
};

// The stored texts with an empty one replaced by the dialog's default: the countdown's headline
// and font size, and 10 seconds (not the 5 that start-up stores).
OptionTexts ShownOptionTexts(const OptionTexts& stored);

// Any box differs from the text kept at load (exactly: letter case counts).
bool OptionsChanged(const OptionTexts& kept, const OptionTexts& now);

}  // namespace tray
