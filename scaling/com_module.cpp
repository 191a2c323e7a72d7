#include "com_module.h"

#include <mutex>

#include "app.h"

namespace amb {
namespace {

HINSTANCE g_instance = nullptr;

}  // namespace

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }
// Linked into a program rather than loaded as the DLL, the code's module is the program.
HINSTANCE ModuleInstance() { return g_instance ? g_instance : GetModuleHandleW(nullptr); }

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(ModuleInstance(), path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void InitLibraryApp() {
  static std::once_flag once;
  std::call_once(once, [] { rt::InitApp(ModuleInstance(), "Ambrelo"); });
}

}  // namespace amb
