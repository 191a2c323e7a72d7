#include "generated_popups.h"

#include <memory>

#include "menu_item_store.h"

namespace modMenus {

namespace {

// A popup the owner generated goes with its delegate; any other is left alone.
void Discard(cMenuItems& owner, HMENU popup) {
  if (!popup || !owner.Delegate(popup)) return;
  owner.RemoveDelegate(popup);
  if (IsMenu(popup)) DestroyMenu(popup);
}

}  // namespace

HMENU ReplaceGeneratedPopup(cMenuItems& owner, UINT itemID, HMENU hMenu, int position) {
  HMENU popup = CreatePopupMenu();
  if (!popup) return nullptr;
  HMENU attached = GetSubMenu(hMenu, position);
  HMENU previous = owner.TakeGeneratedPopup(itemID, hMenu);
  Discard(owner, attached);
  if (previous != attached) Discard(owner, previous);
  owner.SetGeneratedPopup(itemID, hMenu, popup);
  return popup;
}

void DropGeneratedPopup(cMenuItems& owner, UINT itemID, HMENU hMenu) {
  HMENU previous = owner.TakeGeneratedPopup(itemID, hMenu);
  if (!previous) return;
  TakeOffItems(hMenu, previous);
  Discard(owner, previous);
}

void TakeOffItems(HMENU menu, HMENU popup) {
  for (int position = IsMenu(menu) ? GetMenuItemCount(menu) - 1 : -1; position >= 0; --position) {
    if (GetSubMenu(menu, position) != popup) continue;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
  }
}

void AppendPanelItems(HMENU popup, const std::vector<PanelItem>& items) {
  for (const PanelItem& item : items) {
    const UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.disabled ? MF_GRAYED | MF_DISABLED : 0u);
    AppendMenuA(popup, flags, item.id, item.caption.c_str());
  }
}

void RegisterDelegate(cMenuItems& owner, HMENU popup, bool timeConsuming, const std::string& tip) {
  auto delegate = std::make_shared<cMenuItems>();
  delegate->InitializeSubMenu(owner.Form(), owner.ImageListObject(), owner.ShowTips(), true,
                              timeConsuming ? popup : nullptr, tip);
  owner.AddDelegate(popup, std::move(delegate));
}

}  // namespace modMenus
