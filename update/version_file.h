#pragma once
// The published version file "ver.txt": product name, version and, optionally, the SHA-256 of the
// updater. Read by the platform's sequential-input rule; validated before anything trusts it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace AutoUpdate {

// Reads count fields by the sequential-input rule: blanks before a field are skipped; a field in
// double quotes runs to its closing quote (commas and line breaks inside are kept), an unquoted one
// runs to a comma or a line break and loses its trailing blanks. nullopt when the text ends before
// count fields are read.
std::optional<std::vector<std::string>> ReadFields(std::string_view text, size_t count);

// Like ReadFields, but fields past the end of the text are simply missing.
std::vector<std::string> ReadAvailableFields(std::string_view text, size_t limit);

struct Version {
  int major = 0, minor = 0, revision = 0;
  auto operator<=>(const Version&) const = default;
};

// "major.minor.revision", each 1 to 5 decimal digits; nullopt for anything else.
std::optional<Version> ParseVersion(std::string_view text);
std::string VersionText(const Version& v);  // "2.3.0"

struct VersionFile {
  std::string productName;
  std::string versionText;  // as published
  Version version;
  std::string updaterSha256;  // 64 lower-case hex digits, or empty when the file names none
};

// The fields of a downloaded "ver.txt" (a UTF-8 byte-order mark is skipped); nullopt when the
// file is incomplete or not well formed (an error page, a captive portal's answer).
std::optional<VersionFile> ParseVersionFile(std::string_view text);

// 1 to 64 characters, none of them a control character.
bool IsWellFormedProductName(std::string_view name);

}  // namespace AutoUpdate
