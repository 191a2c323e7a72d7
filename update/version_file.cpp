#include "version_file.h"

#include <cctype>

namespace AutoUpdate {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Steps over the delimiter that ends a field: a comma, or one line break (CR, LF or CR LF).
void SkipDelimiter(std::string_view text, size_t& i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i >= text.size()) return;
  if (text[i] == ',') {
    ++i;
  } else if (text[i] == '\r') {
    ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  } else if (text[i] == '\n') {
    ++i;
  }
}

// One field from position i; false when only blanks and line breaks remain.
bool ReadField(std::string_view text, size_t& i, std::string& field) {
  while (i < text.size() && (IsBlank(text[i]) || IsLineBreak(text[i]))) ++i;
  if (i >= text.size()) return false;
  field.clear();
  if (text[i] == '"') {
    size_t close = text.find('"', i + 1);
    size_t end = close == std::string_view::npos ? text.size() : close;
    field.assign(text.substr(i + 1, end - i - 1));
    i = close == std::string_view::npos ? text.size() : close + 1;
    // Whatever follows the closing quote up to the delimiter is not part of the field.
    while (i < text.size() && text[i] != ',' && !IsLineBreak(text[i])) ++i;
  } else {
    size_t end = i;
    while (end < text.size() && text[end] != ',' && !IsLineBreak(text[end])) ++end;
    size_t last = end;
    while (last > i && IsBlank(text[last - 1])) --last;
    field.assign(text.substr(i, last - i));
    i = end;
  }
  SkipDelimiter(text, i);
  return true;
}

bool ParseNumber(std::string_view digits, int& out) {
  if (digits.empty() || digits.size() > 5) return false;
  out = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return false;
    out = out * 10 + (c - '0');
  }
  return true;
}

bool IsHexDigest(std::string_view text) {
  if (text.size() != 64) return false;
  for (char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::vector<std::string> ReadAvailableFields(std::string_view text, size_t limit) {
  std::vector<std::string> fields;
  size_t i = 0;
  std::string field;
  while (fields.size() < limit && ReadField(text, i, field)) fields.push_back(field);
  return fields;
}

std::optional<std::vector<std::string>> ReadFields(std::string_view text, size_t count) {
  std::vector<std::string> fields = ReadAvailableFields(text, count);
  if (fields.size() < count) return std::nullopt;
  return fields;
}

std::optional<Version> ParseVersion(std::string_view text) {
  Version v;
  size_t dot1 = text.find('.');
  if (dot1 == std::string_view::npos) return std::nullopt;
  size_t dot2 = text.find('.', dot1 + 1);
  if (dot2 == std::string_view::npos) return std::nullopt;
  if (!ParseNumber(text.substr(0, dot1), v.major) || !ParseNumber(text.substr(dot1 + 1, dot2 - dot1 - 1), v.minor) ||
      !ParseNumber(text.substr(dot2 + 1), v.revision))
    return std::nullopt;
  return v;
}

std::string VersionText(const Version& v) {
  return std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision);
}

bool IsWellFormedProductName(std::string_view name) {
  if (name.empty() || name.size() > 64) return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) return false;
  }
  return true;
}

std::optional<VersionFile> ParseVersionFile(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string> fields = ReadAvailableFields(text, 3);
  if (fields.size() < 2 || !IsWellFormedProductName(fields[0])) return std::nullopt;
  std::optional<Version> version = ParseVersion(fields[1]);
  if (!version) return std::nullopt;
  VersionFile file{fields[0], fields[1], *version, {}};
  if (fields.size() == 3 && IsHexDigest(fields[2])) {
    for (char c : fields[2]) file.updaterSha256 += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return file;
}

}  // namespace AutoUpdate
