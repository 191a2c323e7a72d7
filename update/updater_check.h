#pragma once
#include <string>

namespace AutoUpdate {

// True when the file begins like a Windows program ("MZ") and its SHA-256 is expectedHex (64
// lower-case hex digits). An empty expectedHex never matches: an updater nobody vouched for is
// not started.
bool IsVouchedUpdater(const std::string& file, const std::string& expectedHex);

// The SHA-256 of the bytes in lower-case hex; empty when the system cannot hash.
std::string Sha256Hex(const std::string& bytes);

}  // namespace AutoUpdate
