#include "updater_check.h"

#include <windows.h>
#include <bcrypt.h>

#include "scoped_win.h"
#include "text_file.h"

namespace AutoUpdate {
namespace {

struct AlgorithmTraits {
  using Handle = BCRYPT_ALG_HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { BCryptCloseAlgorithmProvider(h, 0); }
};
struct HashTraits {
  using Handle = BCRYPT_HASH_HANDLE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { BCryptDestroyHash(h); }
};

}  // namespace

std::string Sha256Hex(const std::string& bytes) {
  rt::UniqueResource<AlgorithmTraits> algorithm;
  if (BCryptOpenAlgorithmProvider(algorithm.put(), BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0) return {};
  rt::UniqueResource<HashTraits> hash;
  if (BCryptCreateHash(algorithm.get(), hash.put(), nullptr, 0, nullptr, 0, 0) != 0) return {};
  if (BCryptHashData(hash.get(), reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                     static_cast<ULONG>(bytes.size()), 0) != 0)
    return {};
  unsigned char digest[32];
  if (BCryptFinishHash(hash.get(), digest, sizeof digest, 0) != 0) return {};
  static const char kHex[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char b : digest) {
    hex += kHex[b >> 4];
    hex += kHex[b & 15];
  }
  return hex;
}

bool IsVouchedUpdater(const std::string& file, const std::string& expectedHex) {
  if (expectedHex.size() != 64) return false;
  std::optional<std::string> read = DozIzevodoz::ReadWholeFile(file);
  if (!read) return false;
  const std::string& bytes = *read;
  if (bytes.size() < 2 || bytes[0] != 'M' || bytes[1] != 'Z') return false;
  return Sha256Hex(bytes) == expectedHex;
}

}  // namespace AutoUpdate
