#pragma once
// The settings store: values addressed by top key, key path and value name, in the registry or,
// when the top key names an existing file, in that INI file. Each call opens, does one thing and
// closes; the result is a status, 0 on success.
#include <cstdint>
#include <string>

namespace modRegistry {

inline constexpr uintptr_t kIniMode = 1;

// The hive handle of a top-key name, kIniMode for an existing file, or 0.
uintptr_t fTopKey(const std::string& name);

// value := defaultValue first, so any failure leaves the default.
int32_t fReadValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName,
                   const std::string& type, const std::string& defaultValue, std::string& value);
int32_t fWriteValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName,
                    const std::string& type, const std::string& value);
// A missing key or value counts as deleted.
int32_t fDeleteValue(const std::string& topKey, const std::string& keyPath, const std::string& valueName);

}  // namespace modRegistry
