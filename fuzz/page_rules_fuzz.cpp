// What a developer types into the effect time's box, read in a locale with either decimal
// separator, and a stored time written back as text: the page's rules take any text and any value.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "pages/form_effects_model.h"
#include "pages/locale_numbers.h"

using namespace amb::pages;

namespace {

// Plain decimal text with the given separator; the real page asks the platform.
class PlainNumbers : public LocaleNumbers {
 public:
  explicit PlainNumbers(char separator) : separator_(separator) {}
  std::optional<double> Parse(std::string_view text) const override {
    std::string s(text);
    for (char& c : s) {
      if (c == separator_) c = '.';
      else if (c == '.') c = 'x';
    }
    if (s.empty()) return std::nullopt;
    char* end = nullptr;
    double d = std::strtod(s.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return d;
  }
  std::string DecimalSeparator() const override { return std::string(1, separator_); }

 private:
  char separator_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);
  for (char separator : {'.', ','}) {
    PlainNumbers numbers(separator);
    TimeBoxRule(text, numbers);
    float value = 0;
    if (size >= sizeof value) std::memcpy(&value, data, sizeof value);
    SingleText(value, numbers);
  }
  return 0;
}
