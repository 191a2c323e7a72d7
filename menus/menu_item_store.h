#pragma once
// cMenuItems: the item store of one window whose menus the engine draws. It converts a popup's
// items to owner-drawn items when the popup is about to open, keeps what each item's caption
// says (text, look, image, measures) and each popup's layout, and hands them to the measuring
// and painting code. Records are only ever added: a popup that opens again finds its items by
// their command id and menu.
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls.h"
#include "menu_tips.h"

namespace modMenus {

struct MenuItemRecord {
  std::string RawCaption;  // the caption as read from the menu
  std::string DisplayText;
  std::string Reserved;   // always empty here
  std::string RightText;  // the right-hand column; "Remeasure" on a side bar not yet drawn
  std::string ItemTip;
  int Width = 0, Height = 0;
  int16_t Padding = 0;  // extra width from the popup's layout; -12 for the side bar
  UINT ItemID = 0;
  int16_t Position = 0;
  std::string ImageKey;  // an image handle in decimal, or a file path
  bool ImageBackground = false;
  uint8_t ControlType = 0;
  HWND ControlHwnd = nullptr;
  int32_t ControlValue = 0;
  uint16_t ItemFlags = 0;  // the ItemFlag bits
};

struct PopupRecord {
  bool HasImages = false;
  bool HasSystemItems = false;
  HBITMAP SideBarBitmap = nullptr;  // owned by the store
  UINT SideBarID = 0;
  HMENU Menu = nullptr;
  bool LongList = false;
  std::vector<std::string> Accelerators;  // each item position's access letter, "" for none
};

class cMenuItems {
 public:
  cMenuItems() = default;
  ~cMenuItems();
  cMenuItems(const cMenuItems&) = delete;
  cMenuItems& operator=(const cMenuItems&) = delete;

  // tips: nullptr keeps the previous events object again; bNoSysMenu leaves the window's
  // system menu alone.
  void InitializeSubMenu(HWND hForm, const rt::ImageList* oImgList, std::shared_ptr<cTips> CallBacks, bool bNoSysMenu,
                         HMENU TimeConsumingMenu = nullptr, const std::string& DefaultTip = "");

  HWND MDIClient() const { return mdiClient_; }
  void SetMDIClient(HWND hWnd) { mdiClient_ = hWnd; }
  bool IsMDIclient() const { return isMdiClient_; }
  void SetIsMDIclient(bool yes) { isMdiClient_ = yes; }
  bool IsMenuLess() const { return isMenuLess_; }
  void SetIsMenuLess(bool yes) { isMenuLess_ = yes; }
  HMENU SystemMenu() const { return systemMenu_; }
  const std::shared_ptr<cTips>& ShowTips() const { return callbacks_; }
  const rt::ImageList* ImageListObject() const { return imageList_; }
  HWND Form() const { return hForm_; }

  // The tip of an item ("" when unknown).
  std::string Tips(UINT MenuID, HMENU hMenu) const;
  // With bSet the size limits at lParam are kept; without, the kept ones are copied there (true)
  // when there are any.
  bool RestrictSize(MINMAXINFO* lParam, bool bSet);
  // A command chosen from a generated popup; false for the host's own items.
  bool MenuSelected(UINT Index, HMENU hMenu, LPARAM lParam);

  // The delegates: the stores that own the popups this store generated, one per popup.
  std::shared_ptr<cMenuItems> Delegate(HMENU menu) const;
  void AddDelegate(HMENU popup, std::shared_ptr<cMenuItems> owner) { delegates_[popup] = std::move(owner); }
  void RemoveDelegate(HMENU popup) { delegates_.erase(popup); }
  // The popup generated for an item at its last opening, which the item may have lost since (a
  // host rewriting the item takes its submenu off); nullptr when none. Taking it forgets it.
  HMENU TakeGeneratedPopup(UINT itemID, HMENU menu);
  void SetGeneratedPopup(UINT itemID, HMENU menu, HMENU popup) { generated_[{itemID, menu}] = popup; }

  // The item's record; an empty record (ItemID 0) when neither the store nor a delegate knows it.
  MenuItemRecord GetMenuItem(UINT MenuID, HMENU hMenu) const;
  // The popup's record; nullptr when it was never converted.
  const PopupRecord* GetPanelItem(HMENU hMenu) const;

  // Converts the popup's items to owner-drawn items; true when it is a window list (ids above
  // 0x7FFF), which is not to be restored at the end of the menu loop. Sets bIsSysMenu for a
  // popup of system commands.
  bool IsWindowList(HMENU hSubMenu, bool& bIsSysMenu);
  // The menu loop has ended: the side bar goes back to being a plain text item at the top.
  void UpdateMenuItems(HMENU hMenu);
  // Every converted item back to a text item.
  void RestoreMenus();

 private:
  struct ParseResult {
    bool isSideBar = false;
    int itemHeight = 0;
    HMENU newPopup = nullptr;
  };
  struct ConvertedItem {
    bool read = false;
    MENUITEMINFOA info{};
    bool twoSteps = false;  // written once without and once with the owner-draw bit
    HMENU newPopup = nullptr;
  };
  void WriteConvertedItems(HMENU hSubMenu, std::vector<ConvertedItem>& converted, const std::vector<int>& breaks);
  struct ItemReading {
    std::string block;
    bool sideBar = false, separator = false, generated = false;
  };
  ParseResult ParseMenuItem(std::string caption, uint16_t itemState, UINT& menuType, UINT& menuState, HMENU hMenu,
                            UINT itemID, int position);
  void ReadKnownItem(MenuItemRecord& record, ItemReading& reading, uint16_t itemState, UINT& menuType, UINT& menuState);
  void ReadNewItem(MenuItemRecord& record, ItemReading& reading, const std::string& caption, int position,
                   uint16_t itemState, UINT& menuType, UINT& menuState);
  void FindFeedingControl(MenuItemRecord& record, const std::string& block);
  HMENU BuildGeneratedPopup(MenuItemRecord& record, const std::string& block, UINT itemID, int position, HMENU hMenu);
  void MeasureItem(MenuItemRecord& item, bool separator, const std::string& block);
  void ApplyImage(MenuItemRecord& item, const std::string& block);
  void MeasurePopup(HMENU hSubMenu, bool isSysMenu, const std::vector<UINT>& ids, const std::vector<int>& breaks);
  void DrawSideBar(MenuItemRecord& item, PopupRecord& popup);
  MenuItemRecord* Item(UINT id, HMENU menu);
  PopupRecord& PopupFor(HMENU menu);

  const rt::ImageList* imageList_ = nullptr;
  std::shared_ptr<cTips> callbacks_, previousCallbacks_;
  HMENU systemMenu_ = nullptr;
  HWND mdiClient_ = nullptr;
  bool isMdiClient_ = false;
  bool isMenuLess_ = false;
  MINMAXINFO sizeLimits_{};
  bool hasSizeLimits_ = false;
  std::vector<MenuItemRecord> items_;
  std::vector<PopupRecord> popups_;
  std::map<std::pair<UINT, HMENU>, size_t> itemIndex_;
  std::map<HMENU, size_t> popupIndex_;
  std::map<HMENU, std::shared_ptr<cMenuItems>> delegates_;  // owners of generated popups
  std::map<std::pair<UINT, HMENU>, HMENU> generated_;        // by the item they were made for
  HWND hForm_ = nullptr;
  std::string defaultTip_;
};

}  // namespace modMenus
