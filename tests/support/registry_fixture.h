#pragma once
// Registry helpers for tests that work on the real registry of the test prefix. They use the
// Win32 calls directly, so the code under test is never its own witness.
#include <windows.h>

#include <optional>
#include <string>

namespace test {

inline void DeleteKeyTree(const std::string& path) { RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str()); }

inline void SetRaw(const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
  RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

inline void SetText(const std::string& path, const std::string& name, const std::string& text) {
  SetRaw(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

struct RawValue {
  DWORD type = 0;
  std::string data;
};

inline std::optional<RawValue> ReadRaw(const std::string& path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  char buffer[4096];
  DWORD size = sizeof buffer, type = 0;
  LONG r = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (r != ERROR_SUCCESS) return std::nullopt;
  return RawValue{type, std::string(buffer, size)};
}

// A text value as stored, less a final NUL.
inline std::optional<std::string> ReadText(const std::string& path, const std::string& name) {
  auto raw = ReadRaw(path, name);
  if (!raw) return std::nullopt;
  if (!raw->data.empty() && raw->data.back() == '\0') raw->data.pop_back();
  return raw->data;
}

inline bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

}  // namespace test
