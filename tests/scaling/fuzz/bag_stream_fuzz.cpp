// libFuzzer target: any bytes handed to the stream reader, and whatever it accepts read into the
// settings, must neither crash nor leave the flag list broken.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "bag_stream.h"
#include "settings_persistence.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<amb::MemoryBag> bag = amb::DecodeBagStream(data, size);
  if (!bag) return 0;
  amb::AmbreloSettings settings;
  amb::FlagRecords records;
  amb::ReadSettings(*bag, settings, records);
  if (settings.flags.Count() < 0 || !settings.flags.Entry(settings.flags.Count())) std::abort();
  amb::MemoryBag written;
  amb::WriteSettings(settings, settings.design, written);
  std::vector<uint8_t> again = amb::EncodeBagStream(written);
  if (!amb::DecodeBagStream(again.data(), again.size())) std::abort();
  return 0;
}
