#pragma once
// Writes 24-bit RGB pixels as a PNG file (stored, uncompressed deflate blocks), so that a test
// can leave a picture a person can open.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace test {

inline std::uint32_t Crc32(const std::uint8_t* data, size_t size, std::uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// rgb: width * height * 3 bytes, rows from the top. Returns false when the file cannot be written.
inline bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  auto put32 = [](std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
  };
  auto chunk = [&](std::vector<std::uint8_t>& file, const char* type, const std::vector<std::uint8_t>& body) {
    put32(file, static_cast<std::uint32_t>(body.size()));
    std::vector<std::uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), body.begin(), body.end());
    file.insert(file.end(), typed.begin(), typed.end());
    put32(file, Crc32(typed.data(), typed.size()));
  };
  std::vector<std::uint8_t> raw;  // each row: filter byte 0, then the pixels
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgb.begin() + static_cast<long>(y) * width * 3, rgb.begin() + static_cast<long>(y + 1) * width * 3);
  }
  std::vector<std::uint8_t> z{0x78, 0x01};
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    size_t n = std::min<size_t>(65535, raw.size() - at);
    z.push_back(at + n >= raw.size() ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<long>(at), raw.begin() + static_cast<long>(at + n));
    if (raw.empty()) break;
  }
  put32(z, (b << 16) | a);
  std::vector<std::uint8_t> header;
  put32(header, static_cast<std::uint32_t>(width));
  put32(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB
  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  chunk(file, "IHDR", header);
  chunk(file, "IDAT", z);
  chunk(file, "IEND", {});
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace test
