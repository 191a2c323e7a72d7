// What a developer types into the effect time's box, read in a locale with either decimal
// separator, and a stored time written back as text: the page's rules take any text and any value.
#include <cstring>
#include <string>

#include "decimal_numbers.h"
#include "fuzz_input.h"
#include "pages/form_effects_model.h"

using namespace amb::pages;

using amb::test::DecimalNumbers;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);
  for (char separator : {'.', ','}) {
    DecimalNumbers numbers(std::string(1, separator));
    TimeBoxRule(text, numbers);
    float value = 0;
    if (size >= sizeof value) std::memcpy(&value, data, sizeof value);
    SingleText(value, numbers);
  }
  return 0;
}
