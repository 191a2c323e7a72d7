#include "generated_popups.h"

#include <memory>

#include "menu_item_store.h"

namespace modMenus {

namespace {

void DropGeneratedPopup(cMenuItems& owner, HMENU popup) {
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
  DropGeneratedPopup(owner, attached);
  if (previous != attached) DropGeneratedPopup(owner, previous);
  owner.SetGeneratedPopup(itemID, hMenu, popup);
  return popup;
}

void AppendPanelItems(HMENU popup, const std::vector<PanelItem>& items) {
  for (const PanelItem& item : items) {
    const UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0u) | (item.disabled ? MF_GRAYED : 0u);
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
