#pragma once
// The settings store's rules that need no registry: top-key names, type letters, and how values
// turn into stored data and back.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace modRegistry {

// Statuses besides 0 (success) and the Win32 error codes.
inline constexpr int32_t kStatusTopKeyUnknown = 99;
inline constexpr int32_t kStatusTypeMismatch = 13;  // the value does not convert to the type
inline constexpr int32_t kStatusOverflow = 6;       // a number outside 32 bits

// The hive handle value of a top-key name ("HKCU" ...), compared without regard to case.
std::optional<uint32_t> HiveForName(std::string_view name);

enum class ValueType { Text, Boolean, Number, None };
ValueType ParseTypeLetter(std::string_view letter);

// Stored text, cut at its first NUL (data may or may not carry a final NUL).
std::string DecodeText(const char* data, size_t size);
std::string DecodeBoolean(uint16_t stored);  // "True" / "False"
std::string DecodeNumber(int32_t stored);    // signed decimal

// A value converted for storing; status 0 or kStatusTypeMismatch / kStatusOverflow.
struct Converted {
  int32_t status = 0;
  int32_t number = 0;
};
// A whole number: decimal text, optionally signed and surrounded by blanks; a fraction rounds half
// to even. "True"/"False" count as -1/0.
Converted ToNumber(std::string_view value);
// A boolean: "True"/"False" (any case) or a number (non-zero is True).
Converted ToBoolean(std::string_view value);

}  // namespace modRegistry
