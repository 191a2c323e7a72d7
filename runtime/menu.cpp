#include "menu.h"

#include "text_compare.h"

namespace rt {

bool MenuItem::Is(std::string_view name, int index) const {
  return TextEquals(name_, name) && (index < 0 || index == index_);
}

HMENU MenuItem::HolderMenu() const { return parent_ ? parent_->submenu_ : tree_->bar_; }

int MenuItem::Position() const {
  const std::vector<MenuItem*>& siblings = parent_ ? parent_->children_ : tree_->topLevel_;
  int position = 0;
  for (const MenuItem* sibling : siblings) {
    if (sibling == this) return position;
    if (sibling->visible_) ++position;
  }
  return position;
}

void MenuItem::FillInfo(MENUITEMINFOA& info) const {
  info = {sizeof info};
  info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_DATA;
  info.wID = id_;
  info.hSubMenu = submenu_;
  if (caption_ == "-") {
    info.fType = MFT_SEPARATOR;
    info.fMask &= ~MIIM_STRING;
  } else {
    info.fType = MFT_STRING;
    info.dwTypeData = const_cast<char*>(caption_.c_str());
  }
  info.fState = (checked_ ? MFS_CHECKED : MFS_UNCHECKED) | (enabled_ ? MFS_ENABLED : MFS_DISABLED);
}

void MenuItem::Write() {
  if (!visible_) return;
  MENUITEMINFOA info;
  FillInfo(info);
  SetMenuItemInfoA(HolderMenu(), static_cast<UINT>(Position()), TRUE, &info);
  if (!parent_) DrawMenuBar(tree_->owner_);
}

void MenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  Write();
}
void MenuItem::SetChecked(bool checked) {
  checked_ = checked;
  Write();
}
void MenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Write();
}

void MenuItem::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (visible_) RemoveMenu(HolderMenu(), static_cast<UINT>(Position()), MF_BYPOSITION);
  visible_ = visible;
  if (visible_) {
    MENUITEMINFOA info;
    FillInfo(info);
    InsertMenuItemA(HolderMenu(), static_cast<UINT>(Position()), TRUE, &info);
  }
  if (!parent_) tree_->UpdateBar();
}

MenuTree::MenuTree(std::span<const MenuDesign> design, HWND owner) : owner_(owner) {
  if (design.empty()) return;
  bar_ = CreateMenu();
  UINT id = kFirstId;
  for (const MenuDesign& d : design) {
    auto item = std::make_unique<MenuItem>();
    item->tree_ = this;
    item->name_ = d.name;
    item->index_ = d.index;
    item->id_ = id++;
    item->caption_ = d.caption;
    item->checked_ = d.checked;
    item->enabled_ = d.enabled;
    item->visible_ = d.visible;
    if (d.parent) {
      item->parent_ = Find(d.parent);
      if (item->parent_) {
        if (!item->parent_->submenu_) item->parent_->submenu_ = CreatePopupMenu();
        item->parent_->children_.push_back(item.get());
      }
    }
    if (!item->parent_) topLevel_.push_back(item.get());
    items_.push_back(std::move(item));
  }
  // Parents before children in the table, so every submenu exists when its item is inserted.
  for (const auto& item : items_) {
    if (!item->visible_) continue;
    MENUITEMINFOA info;
    item->FillInfo(info);
    InsertMenuItemA(item->HolderMenu(), static_cast<UINT>(item->Position()), TRUE, &info);
  }
  UpdateBar();
}

MenuTree::~MenuTree() {
  Detach();
  // Empty every menu first: a menu destroyed with items would take its submenus along, and each
  // submenu is destroyed exactly once below.
  std::vector<HMENU> menus;
  if (bar_) menus.push_back(bar_);
  for (const auto& item : items_)
    if (item->submenu_) menus.push_back(item->submenu_);
  for (HMENU menu : menus)
    while (GetMenuItemCount(menu) > 0) RemoveMenu(menu, 0, MF_BYPOSITION);
  for (HMENU menu : menus) DestroyMenu(menu);
}

void MenuTree::Detach() {
  if (owner_ && IsWindow(owner_) && GetMenu(owner_) == bar_ && bar_) SetMenu(owner_, nullptr);
  owner_ = nullptr;
}

void MenuTree::UpdateBar() {
  if (!owner_ || !bar_) return;
  bool anyVisible = false;
  for (const MenuItem* item : topLevel_) anyVisible = anyVisible || item->visible_;
  HMENU wanted = anyVisible ? bar_ : nullptr;
  if (GetMenu(owner_) != wanted) SetMenu(owner_, wanted);
  DrawMenuBar(owner_);
}

MenuItem* MenuTree::Find(std::string_view name, int index) const {
  for (const auto& item : items_)
    if (item->Is(name, index)) return item.get();
  return nullptr;
}

MenuItem* MenuTree::FindById(UINT id) const {
  for (const auto& item : items_)
    if (item->id_ == id) return item.get();
  return nullptr;
}

}  // namespace rt
