#include "menu_engine.h"

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine_utilities.h"
#include "item_painter.h"
#include "menu_drawing.h"
#include "menu_fonts.h"
#include "menu_item_store.h"
#include "menu_keys.h"
#include "screen.h"
#include "subclass.h"
#include "text_compare.h"
#include "text_encoding.h"

namespace modMenus {
namespace {

// One engine per process, on the GUI thread: one menu loop is served at a time.
struct EngineState {
  std::map<HWND, std::shared_ptr<cMenuItems>> windowItems;
  HWND target = nullptr;           // whose store serves the menu open now
  bool attachingMdiChild = false;  // SetMenus runs for an MDI child on behalf of its client
  std::vector<HMENU> loopMenus;    // popups prepared in this menu loop, in order
  HMENU lastMenu = nullptr;
  rt::MousePointer savedPointer = rt::MousePointer::Default;
  bool hourglassOn = false;
  bool keyboardSelect = false;
  std::vector<std::string> toolbarClasses;
};

EngineState& Engine() {
  static EngineState state;
  return state;
}

std::shared_ptr<cMenuItems> Target() { return AttachedStore(Engine().target); }

HWND MdiClientOf(HWND window) {
  for (HWND child = FindWindowExA(window, nullptr, "MDIClient", nullptr); child;
       child = FindWindowExA(window, child, "MDIClient", nullptr))
    if (GetWindowTextLengthA(child) == 0) return child;
  return nullptr;
}

void PutPointerBack() {
  EngineState& e = Engine();
  if (!e.hourglassOn) return;
  rt::Screen().SetMousePointer(e.savedPointer);
  e.hourglassOn = false;
}

void SelectMenuTarget(HWND hWnd, HMENU& hMenu, bool isSystemMenu) {
  EngineState& e = Engine();
  e.target = hWnd;
  auto store = AttachedStore(hWnd);
  if (!store) return;
  if (isSystemMenu) {
    hMenu = store->SystemMenu() ? store->SystemMenu() : hMenu;
    return;
  }
  HWND child = nullptr, frame = nullptr;
  if (store->IsMDIclient()) {
    child = reinterpret_cast<HWND>(SendMessageA(hWnd, WM_MDIGETACTIVE, 0, 0));
    frame = GetParent(hWnd);
  } else if (store->MDIClient()) {
    child = reinterpret_cast<HWND>(SendMessageA(store->MDIClient(), WM_MDIGETACTIVE, 0, 0));
    frame = hWnd;
  }
  auto childStore = AttachedStore(child);
  if (!child || !childStore) return;
  e.target = child;
  // A menu-less child's pop-ups belong to the frame's menu bar.
  if (childStore->IsMenuLess() && hMenu != childStore->SystemMenu()) e.target = frame;
}

// The code page in which a typed character reaches an ANSI window: the keyboard's.
UINT KeyboardCodePage() {
  const LCID locale = MAKELCID(LOWORD(reinterpret_cast<uintptr_t>(GetKeyboardLayout(0))), SORT_DEFAULT);
  UINT codePage = 0;
  if (GetLocaleInfoW(locale, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER, reinterpret_cast<LPWSTR>(&codePage),
                     sizeof codePage / sizeof(WCHAR)) &&
      codePage != 0)
    return codePage;
  return CP_ACP;
}

// The character of a WM_MENUCHAR as our text writes it: the window procedure is an ANSI one, so
// the character comes in the keyboard's code page, one byte or a lead and a trail byte.
std::string TypedLetter(int charCode) {
  char bytes[2];
  int count = 0;
  if (charCode > 0xFF) bytes[count++] = static_cast<char>((charCode >> 8) & 0xFF);
  bytes[count++] = static_cast<char>(charCode & 0xFF);
  WCHAR wide[2];
  const int length = MultiByteToWideChar(KeyboardCodePage(), 0, bytes, count, wide, 2);
  return length > 0 ? rt::Utf8FromWide(std::wstring_view(wide, static_cast<size_t>(length))) : std::string();
}

// The command id of the item at position in menu (a submenu's item too).
UINT ItemIdAt(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID;
  return GetMenuItemInfoA(menu, position, TRUE, &info) ? info.wID : 0;
}

void RelayMenuTip(WPARAM wParam, HMENU hMenu, HMENU lastMenu) {
  auto store = Target();
  std::shared_ptr<cTips> tips = store ? store->ShowTips() : nullptr;
  std::string tip;
  const bool closed = !lastMenu && !wParam && !hMenu;
  if (store && lastMenu && (wParam || hMenu)) {
    UINT item = LOWORD(wParam);
    if (HIWORD(wParam) & MF_POPUP) item = ItemIdAt(hMenu, item);
    tip = store->Tips(item, lastMenu);
  }
  if (!tips) return;
  tips->FireTip(tip);
  if (closed) tips->FireItemSelected("", "MenusClosed", int32_t{0});
}

// One message on its way through the engine: it reaches the window's own procedure once, whether
// a handler passes it on first or the default path does.
struct Delivery {
  HWND hWnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool passedOn = false;
  LRESULT previousResult = 0;

  LRESULT PassOn() {
    if (!passedOn) {
      passedOn = true;
      previousResult = rt::CallPreviousWindowProc(MenuWndProc, hWnd, msg, wParam, lParam);
    }
    return previousResult;
  }
};

LRESULT OnInitMenuPopup(Delivery& m) {
  const LRESULT result = m.PassOn();
  EngineState& e = Engine();
  HMENU menu = reinterpret_cast<HMENU>(m.wParam);
  const bool system = HIWORD(m.lParam) != 0;
  SelectMenuTarget(m.hWnd, menu, system);
  auto store = Target();
  if (!store) return result;
  const PopupRecord* popup = store->GetPanelItem(menu);
  if (e.savedPointer != rt::MousePointer::Hourglass && popup && popup->LongList) {
    rt::Screen().SetMousePointer(rt::MousePointer::Hourglass);
    e.hourglassOn = true;
  } else {
    e.hourglassOn = false;
  }
  if (std::find(e.loopMenus.begin(), e.loopMenus.end(), menu) != e.loopMenus.end()) return result;
  bool isSystem = system;
  if (!store->IsWindowList(menu, isSystem)) e.loopMenus.push_back(menu);
  return result;
}

void OnExitMenuLoop() {
  EngineState& e = Engine();
  PutPointerBack();
  RelayMenuTip(0, nullptr, nullptr);
  const std::vector<HMENU> prepared = std::move(e.loopMenus);
  e.loopMenus.clear();
  if (auto store = Target())
    for (HMENU menu : prepared) store->UpdateMenuItems(menu);
}

}  // namespace

std::shared_ptr<cMenuItems> AttachedStore(HWND hWnd) {
  if (!hWnd) return nullptr;
  auto& items = Engine().windowItems;
  auto it = items.find(hWnd);
  return it == items.end() ? nullptr : it->second;
}

HWND FindToolbarWindow(HWND hParent) {
  EngineState& e = Engine();
  if (e.toolbarClasses.empty()) e.toolbarClasses = {"msvb_lib_toolbar"};
  for (const std::string& name : e.toolbarClasses)
    if (HWND found = FindWindowExA(hParent, nullptr, name.c_str(), nullptr)) return found;
  return nullptr;
}

void SetMenus(HWND hWnd, const rt::ImageList* ImageList, std::shared_ptr<cTips> Tips, int Mode) {
  EngineState& e = Engine();
  const int mode = std::abs(Mode);
  if (e.windowItems.empty()) {
    if (!ColorsReady()) InitDefaultColors();
    CheckOSVersion();
    SetMenuFonts(true, false, "");
  }
  e.hourglassOn = false;
  const bool forChild = std::exchange(e.attachingMdiChild, false);
  HWND window = mode == 1 ? FindToolbarWindow(hWnd) : hWnd;
  if (!window || !IsWindow(window)) return;
  if (auto existing = AttachedStore(window)) {
    const bool mdiFrame = MdiClientOf(window) != nullptr;
    if ((mode == 0 && mdiFrame) || mode == 3) existing->SetIsMenuLess(false);
    if (mode == 4 || (mode == 5 && mdiFrame)) existing->SetIsMenuLess(true);
    e.target = nullptr;
    return;
  }
  auto store = std::make_shared<cMenuItems>();
  store->SetIsMenuLess(mode == 4 || mode == 5);
  e.windowItems[window] = store;
  store->InitializeSubMenu(window, ImageList, std::move(Tips), false);
  rt::InstallSubclass(window, MenuWndProc);
  if (HWND client = MdiClientOf(window)) {
    auto clientStore = std::make_shared<cMenuItems>();
    e.windowItems[client] = clientStore;
    clientStore->InitializeSubMenu(client, nullptr, nullptr, true);
    rt::InstallSubclass(client, MenuWndProc);
    store->SetMDIClient(client);
    clientStore->SetIsMDIclient(true);
  } else if (forChild) {
    if (auto frame = AttachedStore(GetParent(GetParent(window)))) {
      store->InitializeSubMenu(window, frame->ImageListObject(), frame->ShowTips(), false);
      if (mode < 3) store->SetIsMenuLess(frame->IsMenuLess());
    }
  }
  e.target = nullptr;
}

void UnsetMenus(HWND hWnd) {
  EngineState& e = Engine();
  e.loopMenus.clear();
  auto store = AttachedStore(hWnd);
  if (!store) return;
  rt::RemoveSubclass(hWnd, MenuWndProc);
  const HMENU systemMenu = store->SystemMenu();
  if (e.windowItems.size() == 1) {
    SetMenuFonts(false, false, "");
    e.windowItems.clear();
    ReleaseAssociatedIcon();
    e.toolbarClasses.clear();
  } else {
    e.windowItems.erase(hWnd);
  }
  if (e.target == hWnd) e.target = nullptr;
  if (systemMenu && IsWindow(hWnd)) GetSystemMenu(hWnd, TRUE);
}

LRESULT HandleMenuChar(int CharCode, HMENU hMenu) {
  auto store = Target();
  const PopupRecord* popup = store ? store->GetPanelItem(hMenu) : nullptr;
  if (!popup) return 0;
  const uint32_t answer = MenuCharAnswer(popup->Accelerators, TypedLetter(CharCode), rt::TextEquals, [&](int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    return GetMenuItemInfoA(hMenu, static_cast<UINT>(position), TRUE, &info) && (info.fState & MFS_HILITE);
  });
  // The command that follows comes from this popup, whatever was selected last.
  if (ExecutedPosition(answer) >= 0) Engine().lastMenu = hMenu;
  return static_cast<LRESULT>(answer);
}

namespace {

// The engine's answer to a message, or nothing for the default path.
std::optional<LRESULT> HandleMessage(Delivery& m) {
  EngineState& e = Engine();
  const WPARAM wParam = m.wParam;
  const LPARAM lParam = m.lParam;
  switch (m.msg) {
    case WM_DESTROY: {
      const LRESULT result = m.PassOn();
      UnsetMenus(m.hWnd);
      return result;
    }
    case WM_GETMINMAXINFO:
      if (auto store = AttachedStore(m.hWnd);
          store && store->RestrictSize(reinterpret_cast<MINMAXINFO*>(lParam), false))
        return 0;
      break;
    case WM_DRAWITEM:
      if (auto store = Target();
          store && DrawMenuItem(*store, *reinterpret_cast<DRAWITEMSTRUCT*>(lParam), e.keyboardSelect))
        return 0;
      break;
    case WM_MEASUREITEM:
      if (auto store = Target(); store && MeasureMenuItem(*store, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
        return 0;
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0)
        if (auto store = Target(); store && store->MenuSelected(LOWORD(wParam), e.lastMenu, 0)) return 0;
      break;
    case WM_INITMENUPOPUP:
      return OnInitMenuPopup(m);
    case WM_MENUSELECT:
      if (lParam) e.lastMenu = reinterpret_cast<HMENU>(lParam);
      RelayMenuTip(wParam, reinterpret_cast<HMENU>(lParam), e.lastMenu);
      e.keyboardSelect = (HIWORD(wParam) & MF_MOUSESELECT) != MF_MOUSESELECT;
      break;
    case WM_MENUCHAR:
      return HandleMenuChar(LOWORD(wParam), reinterpret_cast<HMENU>(lParam));
    case WM_ENTERIDLE:
      PutPointerBack();
      break;
    case WM_MENUCOMMAND:
      if (auto store = Target())
        store->MenuSelected(GetMenuItemID(reinterpret_cast<HMENU>(lParam), static_cast<int>(LOWORD(wParam))),
                            reinterpret_cast<HMENU>(lParam), 0);
      break;
    case WM_ENTERMENULOOP:
      if (rt::Screen().GetMousePointer() != rt::MousePointer::Hourglass)
        e.savedPointer = rt::Screen().GetMousePointer();
      e.loopMenus.clear();
      break;
    case WM_EXITMENULOOP:
      OnExitMenuLoop();
      break;
    case WM_MDIDESTROY: {
      const LRESULT result = m.PassOn();
      UnsetMenus(reinterpret_cast<HWND>(wParam));
      return result;
    }
    case WM_MDIACTIVATE:
      if (GetParent(reinterpret_cast<HWND>(wParam)) != m.hWnd) break;
      [[fallthrough]];
    case WM_MDIMAXIMIZE: {
      const LRESULT result = m.PassOn();
      e.attachingMdiChild = true;
      SetMenus(reinterpret_cast<HWND>(wParam), nullptr, nullptr, 0);
      return result;
    }
  }
  return std::nullopt;
}

}  // namespace

LRESULT CALLBACK MenuWndProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Delivery m{hWnd, Msg, wParam, lParam};
  // Nothing may leave a window procedure by an exception: a failing handler is abandoned and the
  // message goes on to the window's own procedure, as an unhandled one does.
  try {
    if (const std::optional<LRESULT> answer = HandleMessage(m)) return *answer;
  } catch (...) {
    Engine().attachingMdiChild = false;  // an MDI child's attachment that failed is over
  }
  try {
    return m.PassOn();
  } catch (...) {
    return 0;
  }
}

}  // namespace modMenus
