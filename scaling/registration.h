#pragma once
// Registration as data: rows of {key, value name, value} under HKEY_CLASSES_ROOT, written by one
// loop and removed by the same rows in reverse.
#include <windows.h>
#include <oleidl.h>

#include <string>
#include <vector>

namespace amb {

// Invisible at run time, given its site before anything else, active whenever it is shown.
inline constexpr DWORD kAmbreloMiscStatus = OLEMISC_INVISIBLEATRUNTIME | OLEMISC_SETCLIENTSITEFIRST |
                                            OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
                                            OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;

struct RegistryRow {
  std::string key;        // below HKEY_CLASSES_ROOT
  std::string valueName;  // empty: the key's default value
  std::string value;
};

// The rows of the control class and its ProgIDs for the DLL at modulePath.
std::vector<RegistryRow> ServerRegistryRows(const std::string& modulePath);

HRESULT WriteRegistryRows(const std::vector<RegistryRow>& rows);
// Removes the rows' keys, children first; keys already gone are no error.
HRESULT RemoveRegistryRows(const std::vector<RegistryRow>& rows);

}  // namespace amb
