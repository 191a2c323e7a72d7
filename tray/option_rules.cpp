#include "option_rules.h"

#include "countdown_rules.h"

namespace tray {

OptionTexts ShownOptionTexts(const OptionTexts& stored) {
  // "5" for the time-out: the count the countdown itself falls back to.
  return {stored.message.empty() ? "Windows Will Now!" : stored.message, stored.font.empty() ? "32" : stored.font,
          stored.timeOut.empty() ? "5" : stored.timeOut};
}

bool OptionsChanged(const OptionTexts& kept, const OptionTexts& now) { return !(kept == now); }

OptionProblem FirstOptionProblem(const OptionTexts& now) {
  if (!DozIzevodoz::IsCountdownTimeOut(now.timeOut)) return OptionProblem::TimeOut;
  if (!DozIzevodoz::IsCountdownFontSize(now.font)) return OptionProblem::FontSize;
  return OptionProblem::None;
}

std::string OptionProblemText(OptionProblem problem) {
  switch (problem) {
    case OptionProblem::TimeOut: return "The Time Out must be a whole number of seconds from 1 to 32767.";
    case OptionProblem::FontSize: return "The Font Size must be a number from 1 to 200.";
    case OptionProblem::None: break;
  }
  return {};
}

}  // namespace tray
