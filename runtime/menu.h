#pragma once
// A form's menus: a real HMENU tree built from the design table. Each item keeps the id it got
// from its place in the table (stable while the form is loaded, between 16 and 0x7FFF), and its
// caption, check mark, enabled state and visibility are written to the real menu as plain text
// items, where other code (an owner-drawn engine) may take them over.
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"

namespace rt {

class MenuItem {
 public:
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  UINT Id() const { return id_; }
  bool Is(std::string_view name, int index = -1) const;
  MenuItem* ParentItem() const { return parent_; }
  const std::vector<MenuItem*>& Items() const { return children_; }
  // The popup of this item's children (nullptr when it has none).
  HMENU SubMenu() const { return submenu_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

 private:
  friend class MenuTree;
  HMENU HolderMenu() const;
  int Position() const;  // among the visible items of the holder
  void FillInfo(MENUITEMINFOA& info) const;
  void Write();

  class MenuTree* tree_ = nullptr;
  std::string name_;
  int index_ = -1;
  UINT id_ = 0;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> children_;
  HMENU submenu_ = nullptr;
  std::string caption_;
  bool checked_ = false, enabled_ = true, visible_ = true;
};

class MenuTree {
 public:
  static constexpr UINT kFirstId = 16;  // clear of IDOK, IDCANCEL and the other dialog ids

  MenuTree(std::span<const MenuDesign> design, HWND owner);
  ~MenuTree();
  MenuTree(const MenuTree&) = delete;
  MenuTree& operator=(const MenuTree&) = delete;

  MenuItem* Find(std::string_view name, int index = -1) const;
  MenuItem* FindById(UINT id) const;
  HMENU Bar() const { return bar_; }
  bool Empty() const { return items_.empty(); }
  // The window is going away: take the bar off it, so that only this tree destroys the menus.
  void Detach();

 private:
  friend class MenuItem;
  void UpdateBar();

  HWND owner_;
  HMENU bar_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<MenuItem*> topLevel_;
};

}  // namespace rt
