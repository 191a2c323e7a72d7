#pragma once
#include <chrono>
#include <cstdint>
#include <string>

namespace AutoUpdate {

inline constexpr uint64_t kVersionFileLimit = 4 * 1024;
inline constexpr uint64_t kUpdaterLimit = 64ull * 1024 * 1024;
// The user waits for a download with the program's windows frozen: a server that keeps sending a
// byte now and then must not hold them longer than this (plus one network time-out).
inline constexpr std::chrono::milliseconds kDownloadDeadline = std::chrono::seconds(60);

// Fetches url (a fresh copy, HTTP 200 only, at most maxBytes, within deadline) into file,
// replacing it. False on any failure; then no partial file is left behind.
bool DownloadFile(const std::string& url, const std::string& file, uint64_t maxBytes,
                  std::chrono::milliseconds deadline = kDownloadDeadline);

}  // namespace AutoUpdate
