#pragma once
// Numbers as the user's locale writes them. The pages read what the developer types with the
// platform's own numeric test and conversion, so that a text they accept is one the control's
// properties accept too, and show numbers with the locale's decimal separator.
#include <optional>
#include <string>
#include <string_view>

namespace amb::pages {

class LocaleNumbers {
 public:
  virtual ~LocaleNumbers() = default;
  // The number a text stands for; nothing when the platform's numeric test refuses it.
  virtual std::optional<double> Parse(std::string_view text) const = 0;
  virtual std::string DecimalSeparator() const = 0;
};

// A single-precision value as the platform's conversion to text writes it: up to seven
// significant digits, with the locale's decimal separator.
std::string SingleText(float value, const LocaleNumbers& numbers);

}  // namespace amb::pages
