#pragma once
// The stored per-control flag list: eleven parallel arrays (a key and ten flags) with the bounds 0
// to the count; entry 0 exists but is never used.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace amb {

enum class DontScale { Control, Font, Border, Graphic, Left, Top, Width, Height, Right, Bottom };
inline constexpr int kDontScaleCount = 10;
inline constexpr std::array<DontScale, kDontScaleCount> kAllDontScale = {
    DontScale::Control, DontScale::Font,  DontScale::Border, DontScale::Graphic, DontScale::Left,
    DontScale::Top,     DontScale::Width, DontScale::Height, DontScale::Right,   DontScale::Bottom};

// "DontScaleControl" ... "DontScaleBottom": the record field names.
std::string_view DontScaleName(DontScale flag);
// "ControlFlagDontScaleControl" ...: the indexed property and bag name without the entry number.
std::string FlagPropertyName(DontScale flag);
inline constexpr std::string_view kFlagKeyPropertyName = "ControlFlagControlKey";
// A bag name of entry i: the base followed by i in decimal.
std::string EntryBagName(std::string_view base, int i);

struct FlagEntry {
  std::string key;
  std::array<bool, kDontScaleCount> flags{};
  bool& operator[](DontScale f) { return flags[static_cast<int>(f)]; }
  bool operator[](DontScale f) const { return flags[static_cast<int>(f)]; }
  bool operator==(const FlagEntry&) const = default;
};

class ControlFlagList {
 public:
  int16_t Count() const { return count_; }
  // Bounds 0 to count, keeping the entries that fit; a negative count is refused and changes nothing.
  bool Resize(int16_t count);
  // Entry n, or nullptr when n lies outside 0 to the count or the arrays were never sized.
  FlagEntry* Entry(int n);
  const FlagEntry* Entry(int n) const;

 private:
  int16_t count_ = 0;
  std::vector<FlagEntry> entries_;  // empty until the first Resize
};

}  // namespace amb
