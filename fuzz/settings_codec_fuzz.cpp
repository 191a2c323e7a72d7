// Setting values as the registry or an INI file gives them back: names, type letters, stored bytes
// and the texts converted for storing.
#include "fuzz_input.h"
#include "settings_codec.h"

using namespace modRegistry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);
  HiveForName(text);
  ParseTypeLetter(text);
  DecodeText(reinterpret_cast<const char*>(data), size);
  ToNumber(text);
  ToBoolean(text);
  return 0;
}
