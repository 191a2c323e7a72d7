#pragma once
// Values as a property bag keeps them (their Automation type travels with them), and the two
// directions of a bag as the persistence code sees it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

namespace amb {

// Boolean, Integer (16-bit), Long, Single, String, in the order of BagType.
using BagValue = std::variant<bool, int16_t, int32_t, float, std::string>;
enum class BagType { Boolean, Integer, Long, Single, String };

inline BagType TypeOf(const BagValue& v) { return static_cast<BagType>(v.index()); }
// The value as another type, or nullopt when it does not fit (a number out of range, text to number).
std::optional<BagValue> ConvertBagValue(const BagValue& value, BagType to);
// Equal as values, whatever their types (Long 0 equals Integer 0 and Single 0).
bool SameBagValue(const BagValue& a, const BagValue& b);

enum class ReadStatus { Found, Missing, Unreadable };

class BagReader {
 public:
  virtual ~BagReader() = default;
  // On Found, out holds the value converted to type.
  virtual ReadStatus Read(std::string_view name, BagType type, BagValue& out) = 0;
};

class BagWriter {
 public:
  virtual ~BagWriter() = default;
  virtual bool Write(std::string_view name, const BagValue& value) = 0;
};

// A bag in memory, in the order the names were first written; the stream form of the control
// goes through it. Names are looked up by key, so loading a large stream stays linear.
class MemoryBag : public BagReader, public BagWriter {
 public:
  using Entry = std::pair<std::string, BagValue>;
  ReadStatus Read(std::string_view name, BagType type, BagValue& out) override;
  bool Write(std::string_view name, const BagValue& value) override;
  const std::vector<Entry>& Entries() const { return entries_; }
  const BagValue* Find(std::string_view name) const;
  bool operator==(const MemoryBag& o) const { return entries_ == o.entries_; }

 private:
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;  // folded name -> position in entries_
};

}  // namespace amb
