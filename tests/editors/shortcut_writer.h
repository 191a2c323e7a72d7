#pragma once
// Shortcut files for tests, written with the shell's own link object, as Explorer would.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>

namespace test {

inline bool WriteShortcut(const std::string& file, const std::string& target, const std::string& args,
                   const std::string& dir, int show) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                       reinterpret_cast<void**>(&link)));
  if (ok) {
    link->SetPath(target.c_str());
    link->SetArguments(args.c_str());
    if (!dir.empty()) link->SetWorkingDirectory(dir.c_str());
    link->SetShowCmd(show);
    ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)));
  }
  if (ok) {
    std::wstring wide(file.begin(), file.end());
    ok = SUCCEEDED(persist->Save(wide.c_str(), TRUE));
  }
  if (persist) persist->Release();
  if (link) link->Release();
  CoUninitialize();
  return ok;
}

}  // namespace test
