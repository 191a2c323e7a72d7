// The four entry points of the COM server. DllMain only remembers the module handle.
#include <windows.h>
#include <oleauto.h>

#include <array>

#include "ambrelo_control.h"
#include "class_factory.h"
#include "com_module.h"
#include "control_window.h"
#include "dll_forms.h"
#include "own_type_library.h"
#include "pages/exclusion_page.h"
#include "pages/form_effects_page.h"
#include "pages/general_page.h"
#include "pages/replace_fonts_page.h"
#include "pages/scale_controls_page.h"
#include "registration.h"
#include "scoped_win.h"
#include "wide_text.h"

namespace {

constexpr std::array<amb::ClassEntry, 8> kClasses = {{
    {&CLSID_Ambrelo, &amb::Ambrelo::Create},
    {&CLSID_General, &amb::pages::CreateGeneralPage},
    {&CLSID_ScaleBorders, &amb::pages::CreateScaleBordersPage},
    {&CLSID_ScaleControls, &amb::pages::CreateScaleControlsPage},
    {&CLSID_ScaleFonts, &amb::pages::CreateScaleFontsPage},
    {&CLSID_ScaleGraphics, &amb::pages::CreateScaleGraphicsPage},
    {&CLSID_ReplaceFontsWith, &amb::pages::CreateReplaceFontsWithPage},
    {&CLSID_FormEffects, &amb::pages::CreateFormEffectsPage},
}};

#ifdef _WIN64
constexpr SYSKIND kSysKind = SYS_WIN64;
#else
constexpr SYSKIND kSysKind = SYS_WIN32;
#endif

bool TypeLibRegistered() {
  wchar_t libid[40];
  StringFromGUID2(LIBID_AmbreloControl, libid, 40);
  std::wstring path = std::wstring(L"TypeLib\\") + libid;
  rt::UniqueHkey key;
  return RegOpenKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

// Unregistering what is not registered is no error, so an interrupted install can be undone.
HRESULT UnregisterAll() {
  HRESULT typeLib = TypeLibRegistered() ? UnRegisterTypeLib(LIBID_AmbreloControl, 11, 0, 0x0409, kSysKind) : S_OK;
  HRESULT rows = amb::RemoveRegistryRows(amb::ServerRegistryRows(amb::Utf8FromWide(amb::ModulePath())));
  return FAILED(rows) ? rows : (FAILED(typeLib) ? typeLib : S_OK);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    amb::SetModuleInstance(instance);
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

// Each entry point runs behind the COM base's error barrier, as every method of the library does.
STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  return rt::ole::ComEntry([&] {
    amb::InitLibraryApp();  // before any object exists, so before any thread reads it
    return amb::GetClassObjectFrom(kClasses, clsid, riid, ppv);
  });
}

STDAPI DllCanUnloadNow() {
  return rt::ole::ComEntry([] {
    if (rt::ole::ModuleInUse() || !amb::ReleaseLibraryForms()) return S_FALSE;
    amb::UnregisterControlWindowClass();
    amb::UnregisterTimerWindowClass();
    return S_OK;
  });
}

// A registration that fails half-way, by an error or by what the barrier caught, is taken back,
// so nothing half-registered stays behind.
STDAPI DllRegisterServer() {
  HRESULT hr = rt::ole::ComEntry([]() -> HRESULT {
    std::wstring path = amb::ModulePath();
    if (path.empty()) return HRESULT_FROM_WIN32(GetLastError());
    HRESULT written = amb::WriteRegistryRows(amb::ServerRegistryRows(amb::Utf8FromWide(path)));
    if (FAILED(written)) return written;
    rt::ComPtr<ITypeLib> lib;
    written = amb::LoadOwnTypeLib(lib.put());
    return SUCCEEDED(written) ? RegisterTypeLib(lib.get(), path.data(), nullptr) : written;
  });
  if (FAILED(hr)) rt::ole::ComEntry([] { return UnregisterAll(); });
  return hr;
}

STDAPI DllUnregisterServer() {
  return rt::ole::ComEntry([] { return UnregisterAll(); });
}
