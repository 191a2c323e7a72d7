#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "scoped_win.h"
#include "shortcut_writer.h"
#include "text_encoding.h"

namespace os {
namespace {

// COM for the length of one call; balanced only when this call started it (a caller that runs
// another apartment model keeps its own).
class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  HRESULT Status() const { return hr_ == RPC_E_CHANGED_MODE ? S_OK : hr_; }

 private:
  HRESULT hr_;
};

class RealShortcutWriter final : public ShortcutWriter {
 public:
  HRESULT Save(const ShellShortcut& s) override {
    ComApartment com;
    if (FAILED(com.Status())) return com.Status();
    rt::ComPtr<IShellLinkA> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put_void());
    if (FAILED(hr)) return hr;
    for (HRESULT step : {link->SetPath(s.target.c_str()), link->SetDescription(s.description.c_str()),
                         link->SetArguments(s.arguments.c_str()), link->SetWorkingDirectory(s.workingDir.c_str()),
                         link->SetShowCmd(s.showCommand)})
      if (FAILED(step)) return step;
    rt::ComPtr<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, file.put_void());
    if (FAILED(hr)) return hr;
    std::wstring path = rt::WideText(s.file);
    if (path.empty()) return E_INVALIDARG;
    return file->Save(path.c_str(), TRUE);
  }
};

}  // namespace

template <>
ShortcutWriter& DefaultAdapter<ShortcutWriter>() {
  static RealShortcutWriter writer;
  return writer;
}

}  // namespace os
