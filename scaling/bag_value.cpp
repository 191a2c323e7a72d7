#include "bag_value.h"

#include <algorithm>
#include <cmath>

#include "ignore_case.h"

namespace amb {
namespace {

std::optional<double> AsNumber(const BagValue& v) {
  switch (TypeOf(v)) {
    case BagType::Boolean: return std::get<bool>(v) ? -1.0 : 0.0;
    case BagType::Integer: return std::get<int16_t>(v);
    case BagType::Long: return std::get<int32_t>(v);
    case BagType::Single: return std::get<float>(v);
    case BagType::String: return std::nullopt;
  }
  return std::nullopt;
}

// Fractions round half to even, as the Automation conversions do.
template <class Int>
std::optional<BagValue> ToInteger(double d, double lo, double hi) {
  if (std::isnan(d)) return std::nullopt;
  double r = std::nearbyint(d);
  if (r < lo || r > hi) return std::nullopt;
  return BagValue(static_cast<Int>(r));
}

}  // namespace

std::optional<BagValue> ConvertBagValue(const BagValue& value, BagType to) {
  if (TypeOf(value) == to) return value;
  if (to == BagType::String || TypeOf(value) == BagType::String) return std::nullopt;
  double d = *AsNumber(value);
  switch (to) {
    case BagType::Boolean: return BagValue(d != 0);
    case BagType::Integer: return ToInteger<int16_t>(d, INT16_MIN, INT16_MAX);
    case BagType::Long: return ToInteger<int32_t>(d, INT32_MIN, INT32_MAX);
    case BagType::Single: return BagValue(static_cast<float>(d));
    case BagType::String: break;
  }
  return std::nullopt;
}

bool SameBagValue(const BagValue& a, const BagValue& b) {
  if (TypeOf(a) == BagType::String || TypeOf(b) == BagType::String) return a == b;
  return *AsNumber(a) == *AsNumber(b);
}

const BagValue* MemoryBag::Find(std::string_view name) const {
  auto it = index_.find(FoldKey(name));
  return it == index_.end() ? nullptr : &entries_[it->second].second;
}

ReadStatus MemoryBag::Read(std::string_view name, BagType type, BagValue& out) {
  const BagValue* stored = Find(name);
  if (!stored) return ReadStatus::Missing;
  std::optional<BagValue> converted = ConvertBagValue(*stored, type);
  if (!converted) return ReadStatus::Unreadable;
  out = std::move(*converted);
  return ReadStatus::Found;
}

bool MemoryBag::Write(std::string_view name, const BagValue& value) {
  auto [it, added] = index_.emplace(FoldKey(name), entries_.size());
  if (added) {
    entries_.emplace_back(std::string(name), value);
  } else {
    entries_[it->second].second = value;
  }
  return true;
}

}  // namespace amb
