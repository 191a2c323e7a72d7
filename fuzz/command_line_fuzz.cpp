// The program's command line: any text gives at most one last argument and at most one action.
#include "command_line.h"
#include "fuzz_input.h"

using namespace DozIzevodoz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);
  for (int maxArgs : {0, 1, 10}) {
    if (std::optional<std::string> last = LastArgument(text, maxArgs)) FindActionLetter(*last);
  }
  FindActionLetter(text);
  return 0;
}
