#pragma once
// The user's locale as the platform reads and writes numbers: its numeric test and conversion
// (the one the control's properties use on text) and its decimal separator.
#include "locale_numbers.h"

namespace amb::pages {

class UserLocaleNumbers final : public LocaleNumbers {
 public:
  std::optional<double> Parse(std::string_view text) const override;
  std::string DecimalSeparator() const override;
};

}  // namespace amb::pages
