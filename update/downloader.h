#pragma once
#include <cstdint>
#include <string>

namespace AutoUpdate {

inline constexpr uint64_t kVersionFileLimit = 4 * 1024;
inline constexpr uint64_t kUpdaterLimit = 64ull * 1024 * 1024;

// Fetches url (a fresh copy, HTTP 200 only, at most maxBytes) into file, replacing it. False on
// any failure; then no partial file is left behind.
bool DownloadFile(const std::string& url, const std::string& file, uint64_t maxBytes);

}  // namespace AutoUpdate
