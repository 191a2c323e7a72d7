#include "registration.h"

#include <olectl.h>

#include <algorithm>

#include "ambrelo_h.h"
#include "ambrelo_resources.h"
#include "scoped_win.h"
#include "wide_text.h"

namespace amb {
namespace {

std::string GuidText(const GUID& guid) {
  wchar_t text[40];
  StringFromGUID2(guid, text, 40);
  return Utf8FromWide(text);
}

constexpr const char* kDescription = "Ambrelo form-scaling control";
constexpr const char* kProgId = "AmbreloControl.Ambrelo";
constexpr const char* kVersionedProgId = "AmbreloControl.Ambrelo.1";

// The property pages: each is an in-process class of its own.
struct PageClass {
  const CLSID* clsid;
  const char* name;
};
constexpr PageClass kPages[] = {{&CLSID_General, "General"},
                                {&CLSID_ScaleBorders, "ScaleBorders"},
                                {&CLSID_ScaleControls, "ScaleControls"},
                                {&CLSID_ScaleFonts, "ScaleFonts"},
                                {&CLSID_ScaleGraphics, "ScaleGraphics"},
                                {&CLSID_ReplaceFontsWith, "ReplaceFontsWith"},
                                {&CLSID_FormEffects, "FormEffects"}};

void AddPageRows(const std::string& modulePath, std::vector<RegistryRow>& rows) {
  for (const PageClass& page : kPages) {
    const std::string key = "CLSID\\" + GuidText(*page.clsid);
    rows.push_back({key, "", page.name});
    rows.push_back({key + "\\InprocServer32", "", modulePath});
    rows.push_back({key + "\\InprocServer32", "ThreadingModel", "Apartment"});
  }
}

}  // namespace

std::vector<RegistryRow> ServerRegistryRows(const std::string& modulePath) {
  const std::string clsidKey = "CLSID\\" + GuidText(CLSID_Ambrelo);
  const std::string clsid = GuidText(CLSID_Ambrelo);
  std::vector<RegistryRow> rows = {
      {clsidKey, "", kDescription},
      {clsidKey + "\\InprocServer32", "", modulePath},
      {clsidKey + "\\InprocServer32", "ThreadingModel", "Apartment"},
      {clsidKey + "\\ProgID", "", kVersionedProgId},
      {clsidKey + "\\VersionIndependentProgID", "", kProgId},
      {clsidKey + "\\Control", "", ""},
      {clsidKey + "\\MiscStatus", "", "0"},
      {clsidKey + "\\MiscStatus\\1", "", std::to_string(kAmbreloMiscStatus)},
      {clsidKey + "\\ToolboxBitmap32", "", modulePath + ", " + std::to_string(IDB_TOOLBOX)},
      {clsidKey + "\\TypeLib", "", GuidText(LIBID_AmbreloControl)},
      {clsidKey + "\\Version", "", "11.0"},
      {kProgId, "", kDescription},
      {std::string(kProgId) + "\\CLSID", "", clsid},
      {std::string(kProgId) + "\\CurVer", "", kVersionedProgId},
      {kVersionedProgId, "", kDescription},
      {std::string(kVersionedProgId) + "\\CLSID", "", clsid},
  };
  AddPageRows(modulePath, rows);
  return rows;
}

HRESULT WriteRegistryRows(const std::vector<RegistryRow>& rows) {
  for (const RegistryRow& row : rows) {
    rt::UniqueHkey key;
    std::wstring path = WideFromUtf8(row.key);
    LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                     key.put(), nullptr);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    std::wstring name = WideFromUtf8(row.valueName);
    std::wstring value = WideFromUtf8(row.value);
    status = RegSetValueExW(key.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
  }
  return S_OK;
}

HRESULT RemoveRegistryRows(const std::vector<RegistryRow>& rows) {
  HRESULT result = S_OK;
  std::vector<std::string> removed;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (std::find(removed.begin(), removed.end(), row->key) != removed.end()) continue;
    removed.push_back(row->key);
    LSTATUS status = RegDeleteKeyW(HKEY_CLASSES_ROOT, WideFromUtf8(row->key).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) result = HRESULT_FROM_WIN32(status);
  }
  return result;
}

}  // namespace amb
