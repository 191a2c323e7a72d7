// The control's stored stream as a container hands it back (a file, a document, junk): any bytes
// decode or are refused, what decodes encodes and decodes again to the same bag, and the settings
// and flag records read from it save and read back alike.
#include "bag_stream.h"
#include "fuzz_input.h"
#include "settings_persistence.h"

using namespace amb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<MemoryBag> bag = DecodeBagStream(data, size);
  if (!bag) return 0;
  // Compared as bytes: a stored NaN is the same bytes, never an equal value.
  std::vector<uint8_t> encoded = EncodeBagStream(*bag);
  std::optional<MemoryBag> back = DecodeBagStream(encoded.data(), encoded.size());
  fuzz::Check(back && EncodeBagStream(*back) == encoded, "an encoded bag decodes to the same bag");

  // A stored count of 32767 flag entries builds, reads and writes them all twice: correct, but two
  // seconds an input under the sanitizers, which would leave no time for the decoder's own paths.
  // The product takes such counts (its unit tests do); the harness goes round with small ones.
  constexpr int32_t kMostFlagEntries = 300;
  if (const BagValue* stored = bag->Find("ControlFlagCount")) {
    std::optional<BagValue> count = ConvertBagValue(*stored, BagType::Long);
    if (count && std::get<int32_t>(*count) > kMostFlagEntries) return 0;
  }

  AmbreloSettings settings;
  FlagRecords records;
  ReadSettings(*bag, settings, records);
  fuzz::Check(settings.flags.Count() >= 0 && settings.flags.Entry(settings.flags.Count()), "the flag list keeps its bounds");
  MemoryBag saved;
  WriteSettings(settings, settings.design, saved);
  AmbreloSettings reread;
  FlagRecords rereadRecords;
  ReadSettings(saved, reread, rereadRecords);
  MemoryBag savedAgain;
  WriteSettings(reread, reread.design, savedAgain);
  fuzz::Check(EncodeBagStream(savedAgain) == EncodeBagStream(saved), "settings read from a saved bag save the same");
  return 0;
}
