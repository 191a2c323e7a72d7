// The task and group files as they come from disk: any bytes parse, and a save of what was read
// reads back to the same save (nothing is lost or shifted between fields by a round trip).
#include "fuzz_input.h"
#include "task_file.h"

using namespace DozIzevodoz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text = fuzz::Text(data, size);

  std::string tasks = FormatTaskFile(ParseTaskFile(text).records);
  fuzz::Check(FormatTaskFile(ParseTaskFile(tasks).records) == tasks, "a saved task file reads back as saved");

  std::string groups = FormatGroupFile(ParseGroupFile(text).records);
  fuzz::Check(FormatGroupFile(ParseGroupFile(groups).records) == groups, "a saved group file reads back as saved");

  ParseWholeNumber(text);
  return 0;
}
