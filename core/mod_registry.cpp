#include "mod_registry.h"

#include <windows.h>

#include <vector>

#include "file_exists.h"
#include "scoped_win.h"
#include "settings_codec.h"

namespace modRegistry {
namespace {

struct Target {
  HKEY hive = nullptr;  // registry mode
  std::string iniPath;  // INI mode: the full path of the file
  bool known = false;
};

// The profile functions resolve a bare name against the Windows folder, the file test against
// the current folder; resolving first makes both look at the same file.
std::string FullPath(const std::string& name) {
  char buffer[MAX_PATH * 2];
  DWORD length = GetFullPathNameA(name.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return name;
  return std::string(buffer, length);
}

Target Resolve(const std::string& topKey) {
  Target t;
  if (auto hive = HiveForName(topKey)) {
    t.hive = reinterpret_cast<HKEY>(static_cast<uintptr_t>(*hive));
    t.known = true;
    return t;
  }
  if (topKey.empty()) return t;
  std::string full = FullPath(topKey);
  if (DozIzevodoz::FileExists(full)) {
    t.iniPath = full;
    t.known = true;
  }
  return t;
}

std::string ReadIniText(const Target& t, const std::string& section, const std::string& entry,
                        const std::string& defaultValue) {
  std::vector<char> buffer(256);
  for (;;) {
    DWORD got = GetPrivateProfileStringA(section.c_str(), entry.c_str(), defaultValue.c_str(), buffer.data(),
                                         static_cast<DWORD>(buffer.size()), t.iniPath.c_str());
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) return std::string(buffer.data(), got);
    buffer.resize(buffer.size() * 4);
  }
}

int32_t ReadIni(const Target& t, const std::string& section, const std::string& entry, ValueType type,
                const std::string& defaultValue, std::string& value) {
  if (type == ValueType::Text) {
    value = ReadIniText(t, section, entry, defaultValue);
    return 0;
  }
  if (type == ValueType::None) return 0;
  // Booleans and numbers are kept as their text; a missing or malformed entry keeps the default.
  const std::string missing = "\x01";
  std::string text = ReadIniText(t, section, entry, missing);
  if (text == missing) return 0;
  if (type == ValueType::Number) {
    Converted n = ToNumber(text);
    if (n.status == 0) value = DecodeNumber(n.number);
  } else {
    Converted b = ToBoolean(text);
    if (b.status == 0) value = DecodeBoolean(b.number != 0 ? 0xFFFF : 0);
  }
  return 0;
}

int32_t QueryText(HKEY key, const std::string& name, std::string& value) {
  std::vector<char> data;
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    LONG r = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
    if (r != ERROR_SUCCESS) return r;
    data.assign(size + 1, '\0');
    DWORD got = size;
    r = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &got);
    if (r == ERROR_MORE_DATA) continue;  // the value grew between the two queries
    if (r != ERROR_SUCCESS) return r;
    value = DecodeText(data.data(), got);
    return 0;
  }
  return ERROR_MORE_DATA;
}

template <class T>
int32_t QueryFixed(HKEY key, const std::string& name, T& out) {
  T buffer{};
  DWORD size = sizeof buffer;
  LONG r = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&buffer), &size);
  if (r == ERROR_SUCCESS) out = buffer;
  return r;
}

}  // namespace

uintptr_t fTopKey(const std::string& name) {
  Target t = Resolve(name);
  if (!t.known) return 0;
  return t.hive ? reinterpret_cast<uintptr_t>(t.hive) : kIniMode;
}

int32_t fReadValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName,
                   const std::string& type, const std::string& defaultValue, std::string& value) {
  value = defaultValue;
  Target t = Resolve(topKey);
  if (!t.known) return kStatusTopKeyUnknown;
  ValueType kind = ParseTypeLetter(type);
  if (!t.hive) return ReadIni(t, keyPath, valueName, kind, defaultValue, value);

  rt::UniqueHkey key;
  LONG r = RegOpenKeyExA(t.hive, keyPath.c_str(), 0, KEY_QUERY_VALUE, key.put());
  if (r != ERROR_SUCCESS) return r;
  switch (kind) {
    case ValueType::Text:
      return QueryText(key.get(), valueName, value);
    case ValueType::Boolean: {
      uint16_t stored = 0;
      r = QueryFixed(key.get(), valueName, stored);
      if (r == ERROR_SUCCESS) value = DecodeBoolean(stored);
      return r;
    }
    case ValueType::Number: {
      int32_t stored = 0;
      r = QueryFixed(key.get(), valueName, stored);
      if (r == ERROR_SUCCESS) value = DecodeNumber(stored);
      return r;
    }
    case ValueType::None:
      return 0;
  }
  return 0;
}

int32_t fWriteValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName,
                    const std::string& type, const std::string& value) {
  Target t = Resolve(topKey);
  if (!t.known) return kStatusTopKeyUnknown;
  ValueType kind = ParseTypeLetter(type);
  if (!t.hive) {
    if (kind != ValueType::Text) return kStatusTopKeyUnknown;
    if (!WritePrivateProfileStringA(keyPath.c_str(), valueName.c_str(), value.c_str(), t.iniPath.c_str()))
      return static_cast<int32_t>(GetLastError());
    return 0;
  }

  // Convert before anything is created, so a value that does not convert changes nothing.
  Converted converted;
  if (kind == ValueType::Number) converted = ToNumber(value);
  if (kind == ValueType::Boolean) converted = ToBoolean(value);
  if (converted.status != 0) return converted.status;

  rt::UniqueHkey key;
  LONG r = RegCreateKeyExA(t.hive, keyPath.c_str(), 0, const_cast<char*>(""), REG_OPTION_NON_VOLATILE,
                           KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr, key.put(), nullptr);
  if (r != ERROR_SUCCESS) return r;
  switch (kind) {
    case ValueType::Text:
      // With its NUL, as the registry's contract asks; readers accept both forms.
      return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>(value.size() + 1));
    case ValueType::Boolean: {
      uint16_t stored = converted.number != 0 ? 0xFFFF : 0;
      return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_BINARY, reinterpret_cast<const BYTE*>(&stored),
                            sizeof stored);
    }
    case ValueType::Number: {
      int32_t stored = converted.number;
      return RegSetValueExA(key.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                            sizeof stored);
    }
    case ValueType::None:
      return 0;
  }
  return 0;
}

int32_t fDeleteValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName) {
  Target t = Resolve(topKey);
  if (!t.known) return kStatusTopKeyUnknown;
  if (!t.hive) {
    if (!WritePrivateProfileStringA(keyPath.c_str(), valueName.c_str(), nullptr, t.iniPath.c_str()))
      return static_cast<int32_t>(GetLastError());
    return 0;
  }
  rt::UniqueHkey key;
  LONG r = RegOpenKeyExA(t.hive, keyPath.c_str(), 0, KEY_SET_VALUE, key.put());
  if (r == ERROR_SUCCESS) r = RegDeleteValueA(key.get(), valueName.c_str());
  return (r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND) ? 0 : r;
}

}  // namespace modRegistry
