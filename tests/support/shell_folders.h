#pragma once
// The user's shell folders (desktop, application data) pointed into the test prefix for a test.
#include <windows.h>

#include <optional>
#include <string>

#include "registry_fixture.h"

namespace test {

inline constexpr char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points one of the user's shell folders at another folder until the end of the scope.
class RedirectedShellFolder {
 public:
  RedirectedShellFolder(const char* name, const std::string& folder)
      : name_(name), previous_(test::ReadRaw(kUserShellFolders, name)) {
    test::SetRaw(kUserShellFolders, name_, REG_EXPAND_SZ, folder.c_str(), static_cast<DWORD>(folder.size() + 1));
  }
  ~RedirectedShellFolder() {
    if (previous_) {
      test::SetRaw(kUserShellFolders, name_, previous_->type, previous_->data.data(),
                   static_cast<DWORD>(previous_->data.size()));
    } else {
      HKEY key = nullptr;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name_.c_str());
        RegCloseKey(key);
      }
    }
  }

 private:
  std::string name_;
  std::optional<test::RawValue> previous_;
};

}  // namespace test
