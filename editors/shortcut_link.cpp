#include "shortcut_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

namespace editors {
namespace {

template <class T>
struct ComRelease {
  T* p = nullptr;
  ~ComRelease() {
    if (p) p->Release();
  }
};

// COM for the length of one call; balanced only when this call started it.
class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  bool Usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT hr_;
};

// "%TEMP%" and the like, as the shell itself would start the shortcut: a task keeps no variables,
// since the task runner takes its program and folder literally.
std::string Expanded(const char* text) {
  // The ANSI call wants one byte more than the size it reports.
  std::vector<char> expanded(ExpandEnvironmentStringsA(text, nullptr, 0) + 1);
  if (expanded.size() == 1) return text;
  DWORD length = ExpandEnvironmentStringsA(text, expanded.data(), static_cast<DWORD>(expanded.size()));
  return length && length <= expanded.size() ? std::string(expanded.data()) : std::string(text);
}

}  // namespace

std::optional<ShortcutTarget> ResolveShortcut(const std::string& linkFile) {
  ComApartment com;
  if (!com.Usable()) return std::nullopt;
  ComRelease<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link.p))))
    return std::nullopt;
  ComRelease<IPersistFile> file;
  if (FAILED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p)))) return std::nullopt;
  int wideLength = MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, nullptr, 0);
  if (wideLength <= 0) return std::nullopt;
  std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
  MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, wide.data(), wideLength);
  if (FAILED(file.p->Load(wide.data(), STGM_READ))) return std::nullopt;

  std::vector<char> text(32768, '\0');
  ShortcutTarget target;
  WIN32_FIND_DATAA found{};
  if (link.p->GetPath(text.data(), static_cast<int>(text.size()), &found, SLGP_RAWPATH) != S_OK || !text[0])
    return std::nullopt;
  target.path = Expanded(text.data());
  text[0] = '\0';
  if (SUCCEEDED(link.p->GetArguments(text.data(), static_cast<int>(text.size()))))
    target.arguments = Expanded(text.data());
  text[0] = '\0';
  if (SUCCEEDED(link.p->GetWorkingDirectory(text.data(), static_cast<int>(text.size()))))
    target.workingDir = Expanded(text.data());
  int show = SW_SHOWNORMAL;
  if (SUCCEEDED(link.p->GetShowCmd(&show))) target.showCommand = show;
  return target;
}

}  // namespace editors
