// Stored-property benchmark: what loading the control's stream costs for 10,000 and 100,000 named
// values, and for a flag list of 1,000 and 10,000 controls read into the settings, against a floor
// measured in the same run (the same bytes walked entry by entry into a plain list, no look-up).
// Linear loading shows as a steady ratio and a growth near the size ratio. Figures only.
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bag_stream.h"
#include "settings_persistence.h"

namespace amb::bench {
namespace {

// Processor time, not wall time: the machine may be shared, and what is measured never waits.
template <class F>
double MedianMillis(int reps, F&& f) {
  std::vector<double> times;
  for (int r = 0; r < reps; ++r) {
    std::clock_t start = std::clock();
    f();
    times.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

std::vector<uint8_t> NamedValues(int n) {
  MemoryBag bag;
  for (int i = 0; i < n; ++i) bag.Write("Value" + std::to_string(i), BagValue(static_cast<int32_t>(i)));
  return EncodeBagStream(bag);
}

std::vector<uint8_t> FlagList(int controls) {
  AmbreloSettings s;
  s.flags.Resize(static_cast<int16_t>(controls));
  for (int i = 1; i <= controls; ++i) {
    FlagEntry& e = *s.flags.Entry(i);
    e.key = "txtField(" + std::to_string(i) + ")";
    e[DontScale::Font] = (i % 3) == 0;
    e[DontScale::Left] = (i % 5) == 0;
  }
  MemoryBag bag;
  WriteSettings(s, s.design, bag);
  return EncodeBagStream(bag);
}

// The floor: the entries' names and value bytes copied out as they stand, in one pass.
size_t WalkEntries(const std::vector<uint8_t>& bytes) {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> entries;
  size_t at = kBagStreamHeaderSize + 4;
  while (at + 2 <= bytes.size()) {
    uint16_t n;
    std::memcpy(&n, &bytes[at], 2);
    at += 2;
    if (bytes.size() - at < size_t{n} + 1) break;
    std::string name(reinterpret_cast<const char*>(&bytes[at]), n);
    at += n;
    const uint8_t type = bytes[at];
    size_t valueSize = type == 0 ? 2 : type == 1 ? 3 : 5;
    if (type == 4 && bytes.size() - at >= 5) {  // a String: its whole 32-bit length, then its bytes
      uint32_t length;
      std::memcpy(&length, &bytes[at + 1], 4);
      valueSize += length;
    }
    valueSize = std::min(valueSize, bytes.size() - at);
    entries.emplace_back(std::move(name), std::vector<uint8_t>(&bytes[at], &bytes[at] + valueSize));
    at += valueSize;
  }
  return entries.size();
}

void Report(const char* what, int n, const std::vector<uint8_t>& bytes, double& perEntry, bool settings) {
  const int reps = n >= 50000 ? 5 : 11;
  double load = MedianMillis(reps, [&] {
    std::optional<MemoryBag> bag = DecodeBagStream(bytes.data(), bytes.size());
    if (settings && bag) {
      AmbreloSettings s;
      FlagRecords records;
      ReadSettings(*bag, s, records);
    }
  });
  double floor = MedianMillis(reps, [&] { WalkEntries(bytes); });
  perEntry = load / n;
  std::printf("%-22s %7d  %9.2f ms  floor %8.2f ms  ratio %5.2f  (%zu bytes)\n", what, n, load, floor,
              floor > 0 ? load / floor : 0.0, bytes.size());
}

}  // namespace
}  // namespace amb::bench

int main() {
  using namespace amb::bench;
  std::printf("%-22s %7s  %12s  %14s\n", "stream", "entries", "load", "");
  double small = 0, large = 0;
  Report("named values", 10000, NamedValues(10000), small, false);
  Report("named values", 100000, NamedValues(100000), large, false);
  std::printf("growth per entry, 10,000 -> 100,000 named values: %.2f (1.0 is linear)\n", small > 0 ? large / small : 0);
  Report("flag list (controls)", 1000, FlagList(1000), small, true);
  Report("flag list (controls)", 10000, FlagList(10000), large, true);
  std::printf("growth per control, 1,000 -> 10,000 flag entries: %.2f (1.0 is linear)\n", small > 0 ? large / small : 0);
  return 0;
}
