#pragma once
// What every harness shares: the entry point libFuzzer calls, and the input cut into the separate
// texts a parser with several arguments takes.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzz {

inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The input split at NUL bytes into exactly count texts (missing ones empty, the last keeps the rest),
// so a seed file reads "first\0second\0third".
inline std::vector<std::string_view> Fields(const uint8_t* data, size_t size, size_t count) {
  std::string_view rest = Text(data, size);
  std::vector<std::string_view> out;
  while (out.size() + 1 < count) {
    size_t nul = rest.find('\0');
    if (nul == std::string_view::npos) break;
    out.push_back(rest.substr(0, nul));
    rest.remove_prefix(nul + 1);
  }
  out.push_back(rest);
  out.resize(count);
  return out;
}

// The text's byte at i as a number, 0 past its end: each argument such as a position or a set of
// flags takes bytes of its own.
inline int ByteAt(std::string_view text, size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0; }

// A small number taken from the front of a text (its first byte), for arguments such as positions.
inline int SmallNumber(std::string_view text, int modulo) { return ByteAt(text, 0) % modulo; }

// The platform's colour of a system index, as a fixed stand-in: the parsers take it as a function.
inline uint32_t FixedSystemColor(int index) { return static_cast<uint32_t>(index) * 0x010101u; }

// A property that must hold for every input: a broken one stops the run where libFuzzer (or the
// replay) reports it, with the input that broke it.
[[noreturn]] void Fail(const char* what);
inline void Check(bool holds, const char* what) {
  if (!holds) Fail(what);
}

}  // namespace fuzz
