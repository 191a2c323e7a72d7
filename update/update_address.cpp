#include "update_address.h"

#include <cctype>

namespace AutoUpdate {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) { return a.size() == b.size() && StartsWithNoCase(a, b); }

// The authority (host and optional port) is all that decides; user names are refused because
// "http://localhost@elsewhere" would name another host.
bool IsWellFormedAuthority(std::string_view authority, std::string_view& host) {
  if (authority.empty() || authority.find('@') != std::string_view::npos) return false;
  size_t colon = authority.find(':');
  host = authority.substr(0, colon);
  if (host.empty()) return false;
  if (colon != std::string_view::npos) {
    std::string_view port = authority.substr(colon + 1);
    if (port.empty() || port.size() > 5) return false;
    for (char c : port)
      if (c < '0' || c > '9') return false;
  }
  for (char c : host)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-')) return false;
  return true;
}

// The file names are appended to the base: a query or a fragment would swallow them, and a blank
// or a control character (a line break) would end the address or the request line early.
bool HasOnlyPathCharacters(std::string_view base) {
  for (char c : base) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u == 0x7F || c == '?' || c == '#') return false;
  }
  return true;
}

}  // namespace

bool IsAcceptableUpdateBase(std::string_view base) {
  bool secure = StartsWithNoCase(base, "https://");
  if (!secure && !StartsWithNoCase(base, "http://")) return false;
  if (!HasOnlyPathCharacters(base)) return false;
  std::string_view rest = base.substr(secure ? 8 : 7);
  std::string_view authority = rest.substr(0, rest.find('/'));
  std::string_view host;
  if (!IsWellFormedAuthority(authority, host)) return false;
  return secure || host == "127.0.0.1" || EqualsNoCase(host, "localhost");
}

std::string JoinUrl(std::string_view base, std::string_view path) {
  while (!base.empty() && base.back() == '/') base.remove_suffix(1);
  return std::string(base) + std::string(path);
}

}  // namespace AutoUpdate
