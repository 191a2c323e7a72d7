#pragma once
// Numbers as the platform reads and writes them in one locale (the one the property frame gives
// its pages, normally the user's): its numeric test and conversion, the ones the control's
// properties use on text, and its decimal separator.
#include <windows.h>

#include "locale_numbers.h"

namespace amb::pages {

class PlatformNumbers final : public LocaleNumbers {
 public:
  explicit PlatformNumbers(LCID locale) : locale_(locale) {}
  std::optional<double> Parse(std::string_view text) const override;
  std::string DecimalSeparator() const override;

 private:
  LCID locale_;
};

}  // namespace amb::pages
