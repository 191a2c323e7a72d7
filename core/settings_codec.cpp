#include "settings_codec.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "ascii_text.h"

namespace modRegistry {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (rt::UpperAscii(a[i]) != rt::UpperAscii(b[i])) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::optional<uint32_t> HiveForName(std::string_view name) {
  static const struct { const char* name; uint32_t hive; } kHives[] = {
      {"HKCU", 0x80000001u}, {"HKLM", 0x80000002u}, {"HKU", 0x80000003u},
      {"HKDD", 0x80000006u}, {"HKCC", 0x80000005u}, {"HKCR", 0x80000000u},
  };
  for (const auto& h : kHives)
    if (EqualsNoCase(name, h.name)) return h.hive;
  return std::nullopt;
}

ValueType ParseTypeLetter(std::string_view letter) {
  if (EqualsNoCase(letter, "S")) return ValueType::Text;
  if (EqualsNoCase(letter, "B")) return ValueType::Boolean;
  if (EqualsNoCase(letter, "D")) return ValueType::Number;
  return ValueType::None;
}

std::string DecodeText(const char* data, size_t size) {
  size_t length = 0;
  while (length < size && data[length] != '\0') ++length;
  return std::string(data, length);
}

std::string DecodeBoolean(uint16_t stored) { return stored != 0 ? "True" : "False"; }

std::string DecodeNumber(int32_t stored) { return std::to_string(stored); }

Converted ToNumber(std::string_view value) {
  std::string_view text = TrimBlanks(value);
  if (EqualsNoCase(text, "True")) return {0, -1};
  if (EqualsNoCase(text, "False")) return {0, 0};
  if (text.empty()) return {kStatusTypeMismatch, 0};
  std::string copy(text);
  char* end = nullptr;
  errno = 0;
  double number = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || std::isnan(number) || std::isinf(number) || errno == ERANGE) {
    // strtod also reads hexadecimal and "inf"; anything it does not consume whole is not a number
    return {kStatusTypeMismatch, 0};
  }
  if (copy.find_first_of("xXnN") != std::string::npos) return {kStatusTypeMismatch, 0};
  double rounded = std::nearbyint(number);  // the default rounding mode: halves to even
  if (rounded < -2147483648.0 || rounded > 2147483647.0) return {kStatusOverflow, 0};
  return {0, static_cast<int32_t>(rounded)};
}

Converted ToBoolean(std::string_view value) {
  Converted n = ToNumber(value);
  if (n.status == kStatusOverflow) return {0, -1};  // a huge number is still non-zero
  if (n.status != 0) return n;
  return {0, n.number != 0 ? -1 : 0};
}

}  // namespace modRegistry
