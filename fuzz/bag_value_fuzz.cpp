// A stored value converted to the type a property asks for: every value of every type converts or
// is refused, and a whole number (an Integer, a Long or a Boolean) converted to a whole-number type
// keeps its value.
#include <cstring>

#include "bag_value.h"
#include "fuzz_input.h"

using namespace amb;

namespace {

BagValue ValueFrom(const uint8_t* data, size_t size) {
  if (size == 0) return BagValue(std::string());
  const uint8_t* p = data + 1;
  size_t n = size - 1;
  switch (data[0] % 5) {
    case 0: return BagValue(n > 0 && (p[0] & 1));
    case 1: {
      int16_t v = 0;
      std::memcpy(&v, p, std::min(n, sizeof v));
      return BagValue(v);
    }
    case 2: {
      int32_t v = 0;
      std::memcpy(&v, p, std::min(n, sizeof v));
      return BagValue(v);
    }
    case 3: {
      float v = 0;
      std::memcpy(&v, p, std::min(n, sizeof v));
      return BagValue(v);
    }
    default: return BagValue(std::string(reinterpret_cast<const char*>(p), n));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  BagValue value = ValueFrom(data, size);
  for (BagType to : {BagType::Boolean, BagType::Integer, BagType::Long, BagType::Single, BagType::String}) {
    std::optional<BagValue> converted = ConvertBagValue(value, to);
    if (!converted) continue;
    fuzz::Check(TypeOf(*converted) == to, "a conversion gives the type asked for");
    const BagType from = TypeOf(value);
    const bool whole = from == BagType::Integer || from == BagType::Long || from == BagType::Boolean;
    if (whole && (to == BagType::Integer || to == BagType::Long))
      fuzz::Check(SameBagValue(value, *converted), "a whole number keeps its value");
  }
  return 0;
}
