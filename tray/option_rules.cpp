#include "option_rules.h"

namespace tray {

OptionTexts ShownOptionTexts(const OptionTexts& stored) {
  return {stored.message.empty() ? "Windows Will Now!" : stored.message, stored.font.empty() ? "32" : stored.font,
          stored.timeOut.empty() ? "10" : stored.timeOut};
}

bool OptionsChanged(const OptionTexts& kept, const OptionTexts& now) { return !(kept == now); }

}  // namespace tray
