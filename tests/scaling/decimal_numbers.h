#pragma once
// Plain decimal numbers with a given separator, as a locale that writes them so would read them:
// the stand-in for the platform's number parsing that the property pages take.
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "pages/locale_numbers.h"

namespace amb::test {

class DecimalNumbers : public pages::LocaleNumbers {
 public:
  explicit DecimalNumbers(std::string separator = ".") : separator_(std::move(separator)) {}
  std::optional<double> Parse(std::string_view text) const override {
    std::string c(text);
    if (size_t at = c.find(separator_); at != std::string::npos) c.replace(at, separator_.size(), ".");
    char* end = nullptr;
    double value = std::strtod(c.c_str(), &end);
    if (c.empty() || *end || c.find_first_of("xXnN") != std::string::npos) return std::nullopt;
    return value;
  }
  std::string DecimalSeparator() const override { return separator_; }

 private:
  std::string separator_;
};

}  // namespace amb::test
