// What a developer types into the property pages' boxes: the numeric test and the effect time's
// clean-up take any text.
#include "pages/form_effects_model.h"
#include "fuzz_input.h"
#include "pages/general_page_model.h"

using namespace amb::pages;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);
  IsNumericText(text);
  TimeBoxEdit edit = TimeBoxRule(text);
  // The rule's own output is already clean: a second pass leaves it as it is.
  if (edit.replaced) fuzz::Check(!TimeBoxRule(edit.text).replaced, "a cleaned time stays as it is");
  return 0;
}
