#include "app.h"

#include "scoped_win.h"
#include "version_block.h"

namespace rt {
namespace {

std::string ResidentMarkerName() { return "Local\\" + App().Title + ".Resident"; }

struct HeldMarker {
  std::string name;
  UniqueHandle handle;  // held until the process ends
};

HeldMarker& Held() {
  static HeldMarker marker;
  return marker;
}

bool HoldsMarker() { return Held().handle && Held().name == ResidentMarkerName(); }

}  // namespace

AppObject& App() {
  static AppObject app;
  return app;
}

bool AppObject::PrevInstance() const {
  if (HoldsMarker()) return false;  // this process is the resident one
  UniqueHandle other(OpenMutexA(SYNCHRONIZE, FALSE, ResidentMarkerName().c_str()));
  return static_cast<bool>(other);
}

bool AppObject::ClaimResidentInstance() {
  if (HoldsMarker()) return true;
  std::string name = ResidentMarkerName();
  UniqueHandle marker(CreateMutexA(nullptr, FALSE, name.c_str()));
  if (!marker || GetLastError() == ERROR_ALREADY_EXISTS) return false;
  Held().name = std::move(name);
  Held().handle = std::move(marker);
  return true;
}

HINSTANCE CodeModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&CodeModule), &module);
  return module ? module : GetModuleHandleA(nullptr);
}

std::string ModuleFilePath(HMODULE module) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    // A path that fills the buffer may have been cut: try again with more room.
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void InitApp(HINSTANCE instance, const std::string& title) {
  AppObject& app = App();
  app.hInstance = instance;
  app.Title = title;
  const std::string full = ModuleFilePath(instance);
  size_t slash = full.find_last_of("\\/");
  app.Path = slash == std::string::npos ? std::string() : full.substr(0, slash);
  if (app.Path.size() == 2 && app.Path[1] == ':') app.Path += '\\';
  std::string file = slash == std::string::npos ? full : full.substr(slash + 1);
  if (file.size() > 4 && _stricmp(file.c_str() + file.size() - 4, ".exe") == 0) file.resize(file.size() - 4);
  app.EXEName = file;

  VersionBlock block;
  ReadVersionBlock(full, block);
  app.Major = block.major;
  app.Minor = block.minor;
  app.Revision = block.revision;
  app.FileDescription = block.fileDescription;
  app.LegalCopyright = block.legalCopyright;
  app.LegalTrademarks = block.legalTrademarks;
  app.Comments = block.comments;
  app.CompanyName = block.companyName;
  app.ProductName = block.productName;
}

}  // namespace rt
