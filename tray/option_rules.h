#pragma once
// The rules of the countdown text options: what the dialog shows for the stored settings, when
// the user has changed anything, and which input the countdown could not use.
#include <string>

namespace tray {

struct OptionTexts {
  std::string message, font, timeOut;
  bool operator==(const OptionTexts&) const = default;
};

// The stored texts with an empty one replaced by what the countdown shows for it.
OptionTexts ShownOptionTexts(const OptionTexts& stored);

// Any box differs from the text kept at load (exactly: letter case counts).
bool OptionsChanged(const OptionTexts& kept, const OptionTexts& now);

enum class OptionProblem { None, TimeOut, FontSize };
// The first box whose text the countdown would not take as typed.
OptionProblem FirstOptionProblem(const OptionTexts& now);
// What the user is told about a problem ("" for None).
std::string OptionProblemText(OptionProblem problem);

}  // namespace tray
