#pragma once
// Reads back what a shortcut file holds, through the shell's own link object.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <optional>
#include <string>

namespace test {

struct ShortcutFields {
  std::string target, arguments, workingDir, description;
  int showCommand = 0;
};

inline std::optional<ShortcutFields> ReadShortcut(const std::string& file) {
  HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<ShortcutFields> result;
  IShellLinkA* link = nullptr;
  IPersistFile* persist = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
    std::wstring wide(file.begin(), file.end());
    if (SUCCEEDED(persist->Load(wide.c_str(), STGM_READ))) {
      ShortcutFields f;
      char text[MAX_PATH * 4] = {};
      WIN32_FIND_DATAA found{};
      if (SUCCEEDED(link->GetPath(text, sizeof text, &found, SLGP_RAWPATH))) f.target = text;
      text[0] = '\0';
      if (SUCCEEDED(link->GetArguments(text, sizeof text))) f.arguments = text;
      text[0] = '\0';
      if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) f.workingDir = text;
      text[0] = '\0';
      if (SUCCEEDED(link->GetDescription(text, sizeof text))) f.description = text;
      link->GetShowCmd(&f.showCommand);
      result = f;
    }
  }
  if (persist) persist->Release();
  if (link) link->Release();
  if (SUCCEEDED(init)) CoUninitialize();
  return result;
}

}  // namespace test
