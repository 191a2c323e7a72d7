#pragma once
// The control's stream form: a versioned list of name and typed value pairs, little-endian.
//   "AMBR", u16 version, u32 length of the rest, u32 count, then per entry: u16 name length, name (UTF-8), u8 type,
//   the value (Boolean u8, Integer i16, Long i32, Single IEEE 32-bit, String u32 length + UTF-8).
#include <cstdint>
#include <optional>
#include <vector>

#include "bag_value.h"

namespace amb {

inline constexpr uint16_t kBagStreamVersion = 1;

std::vector<uint8_t> EncodeBagStream(const MemoryBag& bag);
// nullopt for anything that is not a complete stream of a version this code knows.
std::optional<MemoryBag> DecodeBagStream(const uint8_t* data, size_t size);
// A container may keep other data after ours, so a reader takes the header first and then exactly
// the length it announces; nullopt for a header that is not ours or announces an absurd length.
inline constexpr size_t kBagStreamHeaderSize = 10;
std::optional<uint32_t> BagStreamRestLength(const uint8_t (&header)[kBagStreamHeaderSize]);

}  // namespace amb
