// Control keys built from a host's names and indexes, and the per-control flag list they key: any
// name and any index (huge, negative, not a number) give a key, and a flag list sized from a stored
// count keeps its bounds.
#include <cmath>
#include <cstring>

#include "control_flag_list.h"
#include "control_probes.h"
#include "fuzz_input.h"

using namespace amb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  double index = 0;
  if (size >= sizeof index) std::memcpy(&index, data, sizeof index);
  std::string_view name = fuzz::Text(data, size);
  ControlKeyOf(name, nullptr);
  ControlKeyOf(name, &index);

  ControlFlagList list;
  int16_t count = 0;
  if (size >= sizeof count) std::memcpy(&count, data, sizeof count);
  // Held to a few hundred entries, so that each input costs microseconds, not a 32767-entry list.
  count = static_cast<int16_t>(count % 512);
  bool sized = list.Resize(count);
  fuzz::Check(sized == (count >= 0), "a count is taken exactly when it is not negative");
  fuzz::Check(list.Entry(list.Count() + 1) == nullptr, "no entry past the count");
  if (sized) fuzz::Check(list.Entry(list.Count()) != nullptr, "the entry at the count exists");
  return 0;
}
