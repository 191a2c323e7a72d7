#include "host_object.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "rounding.h"

namespace amb {
namespace {

constexpr const char* kTypeMismatch = "Type mismatch";
constexpr const char* kOverflow = "Overflow";

}  // namespace

std::optional<double> NumberOfValue(const HostValue& value) {
  if (const double* d = std::get_if<double>(&value)) return *d;
  if (const bool* b = std::get_if<bool>(&value)) return *b ? -1.0 : 0.0;
  return std::nullopt;
}

HostStatus GetNumber(HostObject& object, std::string_view member, double& out) {
  HostValue v;
  HostStatus s = object.Get(member, v);
  if (!s) return s;
  std::optional<double> number = NumberOfValue(v);
  if (!number) return HostStatus::Failed(kTypeMismatch);
  out = *number;
  return {};
}

HostStatus GetFloat(HostObject& object, std::string_view member, float& out) {
  double d = 0;
  HostStatus s = GetNumber(object, member, d);
  if (!s) return s;
  std::optional<float> single = rt::SingleOf(d);
  if (!single) return HostStatus::Failed(kOverflow);
  out = *single;
  return {};
}

HostStatus GetText(HostObject& object, std::string_view member, std::string& out) {
  HostValue v;
  HostStatus s = object.Get(member, v);
  if (s) out = TextOf(v);
  return s;
}

HostStatus GetObjectOf(HostObject& object, std::string_view member, HostObjectPtr& out) {
  HostValue v;
  HostStatus s = object.Get(member, v);
  if (!s) return s;
  if (const HostObjectPtr* p = std::get_if<HostObjectPtr>(&v)) {
    out = *p;
    return {};
  }
  return HostStatus::Failed(kTypeMismatch);
}

HostStatus GetNestedFloat(HostObject& object, std::string_view outer, std::string_view inner, float& out) {
  HostObjectPtr nested;
  HostStatus s = GetObjectOf(object, outer, nested);
  if (!s) return s;
  if (!nested) return HostStatus::Failed("Object variable or With block variable not set");
  return GetFloat(*nested, inner, out);
}

HostStatus LetNested(HostObject& object, std::string_view outer, std::string_view inner, const HostValue& value) {
  HostObjectPtr nested;
  HostStatus s = GetObjectOf(object, outer, nested);
  if (!s) return s;
  if (!nested) return HostStatus::Failed("Object variable or With block variable not set");
  return nested->Let(inner, value);
}

bool Readable(HostObject& object, std::string_view member) {
  HostValue v;
  return static_cast<bool>(object.Get(member, v));
}

bool ReadableNested(HostObject& object, std::string_view outer, std::string_view inner) {
  HostObjectPtr nested;
  return GetObjectOf(object, outer, nested) && nested && Readable(*nested, inner);
}

std::string TextOf(const HostValue& value) {
  if (const std::string* s = std::get_if<std::string>(&value)) return *s;
  if (const bool* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
  if (const double* d = std::get_if<double>(&value)) {
    char text[32];
    if (std::isfinite(*d) && *d == std::floor(*d) && std::fabs(*d) < 1e15) {
      std::snprintf(text, sizeof text, "%.0f", *d);
    } else {
      std::snprintf(text, sizeof text, "%.7g", *d);
    }
    return text;
  }
  return "";
}

bool IsNothing(const HostValue& value) {
  const HostObjectPtr* p = std::get_if<HostObjectPtr>(&value);
  return p && !*p;
}

// A host answers whatever it likes: a count below 0, or one no 32-bit number holds (NaN included), is
// refused.
HostStatus CountOf(HostObject& collection, int32_t& count) { return BoundedCountOf(collection, "Count", INT32_MAX, count); }

HostStatus BoundedCountOf(HostObject& object, std::string_view member, int32_t most, int32_t& count) {
  double d = 0;
  HostStatus s = GetNumber(object, member, d);
  if (!s) return s;
  std::optional<int32_t> whole = rt::LongOf(d);
  if (!whole || *whole < 0 || *whole > most) return HostStatus::Failed(kOverflow);
  count = *whole;
  return {};
}

HostStatus ItemOf(HostObject& collection, int32_t index, HostObjectPtr& out) {
  HostValue v;
  HostStatus s = collection.GetAt("Item", static_cast<double>(index), v);
  if (!s) return s;
  const HostObjectPtr* p = std::get_if<HostObjectPtr>(&v);
  if (!p || !*p) return HostStatus::Failed(kTypeMismatch);
  out = *p;
  return {};
}

}  // namespace amb
