#include "menu_item_store.h"

#include <algorithm>
#include <cstring>

#include "caption_language.h"
#include "caption_text.h"
#include "choice_decoding.h"
#include "control_popup_captions.h"
#include "control_popups.h"
#include "file_drive_items.h"
#include "generated_popups.h"
#include "host_controls.h"
#include "image_drawing.h"
#include "item_caption.h"
#include "item_layout.h"
#include "list_panel_builder.h"
#include "menu_drawing.h"
#include "menu_fonts.h"
#include "menu_keys.h"
#include "scoped_win.h"
#include "side_bar_drawing.h"

namespace modMenus {
namespace {

constexpr const char* kPanelKeys[] = {
    "lvColors:", "lvMonths:", "lvDays:", "lvStates:", "lvMonth:", "lvFonts:", "lvDrives:"};

using rt::WindowDc;

// An item's text on one line, as the painter draws it.
SIZE TextSize(HDC dc, const std::string& text) { return MeasureText(dc, text, DT_SINGLELINE | DT_NOCLIP); }

// hostSubmenu: the item opens a submenu of the host's own (not one the engine generated for it).
uint16_t StateFlags(const MENUITEMINFOA& info, bool hostSubmenu) {
  uint16_t flags = 0;
  if (info.fState & MFS_DISABLED) flags |= kDisabled;
  if (info.fState & MFS_CHECKED) flags |= kChecked;
  if (info.fState & MFS_DEFAULT) flags |= kDefault;
  if (hostSubmenu) flags |= kHasSubmenu;
  return flags;
}

}  // namespace

cMenuItems::~cMenuItems() {
  for (PopupRecord& popup : popups_)
    if (popup.SideBarBitmap) DeleteObject(popup.SideBarBitmap);
  // The popups generated for the host's items go with the store: taken off their items first,
  // so that the host's menus hold no destroyed popup.
  for (const auto& [item, popup] : generated_) {
    if (!IsMenu(popup)) continue;
    TakeOffItems(item.second, popup);
    DestroyMenu(popup);
  }
}

void cMenuItems::InitializeSubMenu(HWND hForm, const rt::ImageList* oImgList, std::shared_ptr<cTips> CallBacks,
                                   bool bNoSysMenu, HMENU TimeConsumingMenu, const std::string& DefaultTip) {
  hForm_ = hForm;
  if (!CallBacks) {
    callbacks_ = previousCallbacks_;
  } else if (CallBacks != previousCallbacks_) {
    previousCallbacks_ = callbacks_;
    callbacks_ = std::move(CallBacks);
  }
  if (oImgList) imageList_ = oImgList;
  if (!bNoSysMenu && !systemMenu_) {
    systemMenu_ = GetSystemMenu(hForm, FALSE);
    if (systemMenu_) {
      bool isSystem = true;
      IsWindowList(systemMenu_, isSystem);
    }
  }
  if (TimeConsumingMenu) PopupFor(TimeConsumingMenu);
  defaultTip_ = DefaultTip;
}

MenuItemRecord* cMenuItems::Item(UINT id, HMENU menu) {
  auto it = itemIndex_.find({id, menu});
  return it == itemIndex_.end() ? nullptr : &items_[it->second];
}

PopupRecord& cMenuItems::PopupFor(HMENU menu) {
  auto it = popupIndex_.find(menu);
  if (it != popupIndex_.end()) return popups_[it->second];
  popups_.push_back(PopupRecord{});
  popups_.back().Menu = menu;
  popupIndex_.emplace(menu, popups_.size() - 1);
  return popups_.back();
}

std::shared_ptr<cMenuItems> cMenuItems::Delegate(HMENU menu) const {
  auto it = delegates_.find(menu);
  return it == delegates_.end() ? nullptr : it->second;
}

HMENU cMenuItems::TakeGeneratedPopup(UINT itemID, HMENU menu) {
  auto it = generated_.find({itemID, menu});
  if (it == generated_.end()) return nullptr;
  HMENU popup = it->second;
  generated_.erase(it);
  return popup;
}

std::string cMenuItems::Tips(UINT MenuID, HMENU hMenu) const {
  if (auto it = itemIndex_.find({MenuID, hMenu}); it != itemIndex_.end()) return items_[it->second].ItemTip;
  if (auto owner = Delegate(hMenu)) return owner->Tips(MenuID, hMenu);
  return {};
}

bool cMenuItems::RestrictSize(MINMAXINFO* lParam, bool bSet) {
  if (!lParam) return false;
  if (bSet) {
    sizeLimits_ = *lParam;
    hasSizeLimits_ = sizeLimits_.ptMaxSize.x >= 0;
    return false;
  }
  if (!hasSizeLimits_) return false;
  *lParam = sizeLimits_;
  return true;
}

bool cMenuItems::MenuSelected(UINT Index, HMENU hMenu, LPARAM lParam) {
  return DecodeMenuChoice(*this, Index, hMenu, lParam);
}

MenuItemRecord cMenuItems::GetMenuItem(UINT MenuID, HMENU hMenu) const {
  if (auto it = itemIndex_.find({MenuID, hMenu}); it != itemIndex_.end()) return items_[it->second];
  if (auto owner = Delegate(hMenu)) return owner->GetMenuItem(MenuID, hMenu);
  return {};
}

const PopupRecord* cMenuItems::GetPanelItem(HMENU hMenu) const {
  if (auto it = popupIndex_.find(hMenu); it != popupIndex_.end()) return &popups_[it->second];
  if (auto owner = Delegate(hMenu)) return owner->GetPanelItem(hMenu);
  return nullptr;
}

void cMenuItems::MeasureItem(MenuItemRecord& item, bool separator, const std::string& block) {
  WindowDc dc(hForm_);
  const int slot = separator ? 3 : (item.ItemFlags & kDefault) ? 2 : 1;
  SIZE size{};
  {
    SelectFontSlot font(slot, dc.get());
    if (item.ItemFlags & kFontItem) {
      const SIZE text = TextSize(dc.get(), item.DisplayText);
      SetMenuFonts(true, false, FontOfItem(block));
      SelectFontSlot face(6, dc.get());
      const SIZE right = TextSize(dc.get(), item.RightText);
      size = SIZE{text.cx + right.cx, std::min(text.cy, right.cy)};
    } else {
      size = TextSize(dc.get(), item.DisplayText + item.RightText);
    }
  }
  const ItemSize measured = MeasuredItemSize(size.cx, size.cy, separator, !item.DisplayText.empty());
  item.Width = measured.width;
  item.Height = measured.height;
}

void cMenuItems::ApplyImage(MenuItemRecord& item, const std::string& block) {
  item.ImageBackground = false;
  const ResolvedImage image = GetImageListImage(block, ImageSource{imageList_, hForm_});
  item.ImageKey = ImageKeyOf(image.handle);
  if (image.ownPixels && !GetAttribute(block, "ImgBkg").empty()) item.ImageBackground = true;
}

// A known item: its caption's reading stands; only its state is the menu's now.
void cMenuItems::ReadKnownItem(MenuItemRecord& record, ItemReading& reading, uint16_t itemState, UINT& menuType,
                               UINT& menuState) {
  reading.block = SplitCaption(record.RawCaption).block;
  // The popup generated at the last opening is made again, or goes: only the host's submenu counts.
  constexpr uint16_t kFromMenu = kDisabled | kChecked | kDefault | kHasSubmenu;
  record.ItemFlags = static_cast<uint16_t>((record.ItemFlags & ~(kFromMenu | kListPanel)) | (itemState & kFromMenu));
  reading.generated = !GetAttribute(reading.block, "gControl:").empty();
  reading.separator = (record.ItemFlags & kSeparator) != 0;
  if (record.ItemFlags & kSideBar) {
    reading.sideBar = true;
    record.RightText.clear();
    menuType &= ~MFT_SEPARATOR;
  } else if (reading.separator) {
    menuType |= MFT_SEPARATOR;
    menuState = MFS_DISABLED;
    record.ItemFlags |= kDisabled;
  }
}

void cMenuItems::ReadNewItem(MenuItemRecord& record, ItemReading& reading, const std::string& caption, int position,
                             uint16_t itemState, UINT& menuType, UINT& menuState) {
  const ItemCaption parsed = ParseItemCaption(caption, position, itemState, defaultTip_);
  record = MenuItemRecord{};
  record.RawCaption = caption;
  record.Position = static_cast<int16_t>(position);
  record.DisplayText = parsed.displayText;
  record.RightText = parsed.rightText;
  record.ItemTip = parsed.tip;
  record.ItemFlags = parsed.flags;
  record.ControlValue = parsed.controlValue;
  if (parsed.controlType >= 0) record.ControlType = static_cast<uint8_t>(parsed.controlType);
  reading = ItemReading{parsed.block, parsed.sideBar, parsed.separator, parsed.generated};
  if (parsed.sideBar) {
    menuType &= ~MFT_SEPARATOR;
    if (parsed.disabledState) menuState |= MFS_DISABLED;
  } else if (parsed.separator) {
    menuType |= MFT_SEPARATOR;
    menuState = MFS_DISABLED;
  } else if (!reading.block.empty() && !(itemState & kHasSubmenu)) {  // the host's submenu stays the item's
    FindFeedingControl(record, reading.block);
  }
  // A separator (the line of an empty file list) stands for no file or drive.
  if (!parsed.separator) {
    if (const std::string folder = GetAttribute(reading.block, "gEXE:"); !folder.empty())
      ApplyFileItem(record, FolderOfValue(folder));
    if (const std::string drive = GetAttribute(reading.block, "LDrv:"); !drive.empty())
      ApplyDriveItem(record, FolderOfValue(drive));
  }
  if (!parsed.sideBar) MeasureItem(record, parsed.separator, reading.block);
}

// "LB:" or "CB:": the list or combo box whose entries fill the item's popup.
void cMenuItems::FindFeedingControl(MenuItemRecord& record, const std::string& block) {
  std::string source = GetAttribute(block, "LB:");
  if (!source.empty())
    record.ControlType = 1;
  else if (!(source = GetAttribute(block, "CB:")).empty())
    record.ControlType = 0;
  if (source.empty()) return;
  HWND control = nullptr;
  if (!IsDigits(source))
    control = FindHostControl(hForm_, source);
  else if (const std::optional<uintptr_t> handle = ParseHandleValue(source))
    control = reinterpret_cast<HWND>(*handle);
  record.ControlHwnd = control && IsWindow(control) ? control : nullptr;
}

// A list panel or a control-fed popup, made anew at every opening.
HMENU cMenuItems::BuildGeneratedPopup(MenuItemRecord& record, const std::string& block, UINT itemID, int position,
                                      HMENU hMenu) {
  HMENU popup = nullptr;
  for (const char* key : kPanelKeys) {
    const std::string value = GetAttribute(block, key);
    if (value.empty()) continue;
    popup = BuildListPanel(*this, itemID, position, hMenu, key, value, record.ItemTip);
    if (popup) record.ItemFlags |= kListPanel;
    break;
  }
  if (!popup && record.ControlHwnd)
    popup = BuildControlPopup(*this, itemID, position, hMenu, record.ControlType, record.ControlHwnd, block);
  if (!popup) return nullptr;
  record.ItemFlags |= kHasSubmenu;
  if (!record.RightText.empty()) {  // the popup's arrow takes the right-hand column's place
    WindowDc dc(hForm_);
    SelectFontSlot font(1, dc.get());
    record.Width -= TextSize(dc.get(), record.RightText).cx;
    record.RightText.clear();
  }
  return popup;
}

cMenuItems::ParseResult cMenuItems::ParseMenuItem(std::string caption, uint16_t itemState, UINT& menuType,
                                                  UINT& menuState, HMENU hMenu, UINT itemID, int position) {
  ParseResult result;
  MenuItemRecord* known = Item(itemID, hMenu);
  bool reparse = !known;
  if (known) {
    if (caption.empty()) caption = known->RawCaption;
    reparse = caption != known->RawCaption || ((known->ItemFlags & kDefault) && !(itemState & kDefault));
  }
  MenuItemRecord record = known ? *known : MenuItemRecord{};
  ItemReading reading;
  if (reparse)
    ReadNewItem(record, reading, caption, position, itemState, menuType, menuState);
  else
    ReadKnownItem(record, reading, itemState, menuType, menuState);
  result.isSideBar = reading.sideBar;
  // A submenu of the host's own is never replaced by a generated one.
  if (!reading.separator && !reading.sideBar && !(itemState & kHasSubmenu))
    result.newPopup = BuildGeneratedPopup(record, reading.block, itemID, position, hMenu);
  // An item that no longer asks for a generated popup (or whose control has gone) keeps none.
  if (!result.newPopup) DropGeneratedPopup(*this, itemID, hMenu);
  if (!reading.generated && !reading.separator)
    ApplyImage(record, reading.block);
  else
    record.ImageBackground = false;

  record.ItemID = itemID;
  if (known) {
    *known = std::move(record);
    result.itemHeight = known->Height;
  } else {
    items_.push_back(std::move(record));
    itemIndex_.emplace(std::make_pair(itemID, hMenu), items_.size() - 1);
    result.itemHeight = items_.back().Height;
  }
  return result;
}

bool cMenuItems::IsWindowList(HMENU hSubMenu, bool& bIsSysMenu) {
  if (auto owner = Delegate(hSubMenu)) {
    bool isSystem = false;
    owner->IsWindowList(hSubMenu, isSystem);
    return false;
  }
  const int count = GetMenuItemCount(hSubMenu);
  if (count <= 0) return false;
  std::vector<ConvertedItem> converted(static_cast<size_t>(count));
  std::vector<UINT> ids(static_cast<size_t>(count));
  std::vector<int> heights(static_cast<size_t>(count));
  bool windowList = false, sideBar = false;
  for (int position = 0; position < count; ++position) {
    ConvertedItem& c = converted[static_cast<size_t>(position)];
    char text[1024] = {};
    c.info.cbSize = sizeof c.info;
    c.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
    c.info.dwTypeData = text;
    c.info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(hSubMenu, static_cast<UINT>(position), TRUE, &c.info)) continue;  // left as it was
    c.read = true;
    ids[static_cast<size_t>(position)] = c.info.wID;
    if (!c.info.hSubMenu && c.info.wID >= 0xF000)
      bIsSysMenu = true;
    else if (!c.info.hSubMenu && c.info.wID > 0x7FFF)
      windowList = true;
    const uint16_t state = StateFlags(c.info, c.info.hSubMenu && !Delegate(c.info.hSubMenu));
    c.twoSteps = bIsSysMenu || (c.info.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK));
    c.info.fType &= ~(MFT_MENUBREAK | MFT_MENUBARBREAK);
    // Owner-drawn, an item keeps its text: a caption the host rewrote since is read anew.
    std::string caption = TrimBlanks(std::string(text, strnlen(text, sizeof text)));
    const ParseResult parsed =
        ParseMenuItem(caption, state, c.info.fType, c.info.fState, hSubMenu, c.info.wID, position);
    c.newPopup = parsed.newPopup;
    if (parsed.isSideBar && position == 0) sideBar = true;
    heights[static_cast<size_t>(position)] = parsed.isSideBar ? 0 : parsed.itemHeight;
  }

  const ColumnPlan plan = PlanColumns(heights, sideBar, GetSystemMetrics(SM_CYSCREEN) - 7);
  MenuItemRecord* bar = sideBar ? Item(ids[0], hSubMenu) : nullptr;
  const bool dropSideBar =
      bar && plan.overflows && !GetAttribute(SplitCaption(bar->RawCaption).block, "NoScroll").empty();
  WriteConvertedItems(hSubMenu, converted, dropSideBar ? std::vector<int>{} : plan.breaks);
  if (dropSideBar) {
    bar->ItemFlags |= kSideBarRemoved;
    RemoveMenu(hSubMenu, 0, MF_BYPOSITION);
  }
  std::vector<int> overflowBreaks;
  if (!dropSideBar && plan.breaks.size() > 1) overflowBreaks.assign(plan.breaks.begin() + 1, plan.breaks.end());
  MeasurePopup(hSubMenu, bIsSysMenu, ids, overflowBreaks);
  if (hForm_) DrawMenuBar(hForm_);
  return windowList;
}

// Writes each item back owner-drawn, with the column breaks: the first beside the side bar (no
// bar), the others where the items overflowed (with bar).
void cMenuItems::WriteConvertedItems(HMENU hSubMenu, std::vector<ConvertedItem>& converted,
                                     const std::vector<int>& breaks) {
  for (int position = 0; position < static_cast<int>(converted.size()); ++position) {
    ConvertedItem& c = converted[static_cast<size_t>(position)];
    if (!c.read) continue;
    MENUITEMINFOA info = c.info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(hSubMenu);
    if (c.newPopup) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = c.newPopup;
    }
    if (!breaks.empty()) {
      if (position == breaks.front())
        info.fType |= MFT_MENUBREAK;
      else if (std::find(breaks.begin() + 1, breaks.end(), position) != breaks.end())
        info.fType |= MFT_MENUBARBREAK;
      if (position == 1) c.twoSteps = true;  // the column beside the side bar
    }
    if (c.twoSteps) SetMenuItemInfoA(hSubMenu, static_cast<UINT>(position), TRUE, &info);
    info.fType |= MFT_OWNERDRAW;
    SetMenuItemInfoA(hSubMenu, static_cast<UINT>(position), TRUE, &info);
  }
}

void cMenuItems::MeasurePopup(HMENU hSubMenu, bool isSysMenu, const std::vector<UINT>& ids,
                              const std::vector<int>& breaks) {
  PopupRecord fresh;
  if (auto it = popupIndex_.find(hSubMenu); it != popupIndex_.end())
    fresh.SideBarBitmap = popups_[it->second].SideBarBitmap;
  fresh.Menu = hSubMenu;
  MenuItemRecord* sideBar = nullptr;
  int sideBarHeight = -1, columnHeight = 0, totalHeight = 0;
  bool columnSubmenus = false, columnRight = false;
  size_t columnStart = 0;
  auto finishColumn = [&](size_t end) {
    const int padding = ColumnPadding(columnRight, columnSubmenus, fresh.HasSystemItems, GetWidthCorrection());
    for (size_t i = columnStart; i < end; ++i) {
      MenuItemRecord* item = Item(ids[i], hSubMenu);
      if (!item || item == sideBar) continue;
      item->Padding = static_cast<int16_t>(padding + ((item->ItemFlags & kColorItem) ? 10 : 0));
      if ((!item->ImageKey.empty() && !IsDigits(item->ImageKey)) ||
          (FindNoCase(item->RawCaption, "lFont:") != kNotFound && ids.size() > 20))
        fresh.LongList = true;
    }
    if (sideBarHeight < 0) sideBarHeight = columnHeight;
    columnStart = end;
    columnHeight = 0;
    columnSubmenus = columnRight = false;
  };
  for (size_t i = 0; i < ids.size(); ++i) {
    if (std::find(breaks.begin(), breaks.end(), static_cast<int>(i)) != breaks.end()) finishColumn(i);
    MenuItemRecord* item = Item(ids[i], hSubMenu);
    if (!item) {
      fresh.Accelerators.emplace_back();
      continue;
    }
    if (item->ItemFlags & kSideBar) {
      sideBar = item;
      if (!(item->ItemFlags & kSideBarRemoved)) fresh.Accelerators.emplace_back();
      continue;
    }
    fresh.HasImages = fresh.HasImages || !item->ImageKey.empty();
    columnSubmenus = columnSubmenus || (item->ItemFlags & kHasSubmenu);
    fresh.HasSystemItems = fresh.HasSystemItems || (ids[i] >= 0xF000 && !(item->ItemFlags & kHasSubmenu));
    columnRight = columnRight || !item->RightText.empty();
    columnHeight += item->Height;
    totalHeight += item->Height;
    fresh.Accelerators.push_back((item->ItemFlags & kSeparator) ? std::string() : GetAccelerator(item->DisplayText));
  }
  finishColumn(ids.size());
  if (isSysMenu) fresh.HasSystemItems = true;
  if (ids.size() > 50) fresh.LongList = true;
  bool redraw = false;
  if (sideBar) {
    fresh.SideBarID = sideBar->ItemID;
    const int height = breaks.empty() ? totalHeight : sideBarHeight;
    redraw = sideBar->Height != height || sideBar->RightText == "Remeasure" || !fresh.SideBarBitmap;
    sideBar->Height = height;
    sideBar->RightText.clear();
  }
  PopupRecord& popup = PopupFor(hSubMenu);
  popup = fresh;
  if (redraw) DrawSideBar(*sideBar, popup);
}

void cMenuItems::DrawSideBar(MenuItemRecord& item, PopupRecord& popup) {
  const std::string block = SplitCaption(item.RawCaption).block;
  HBITMAP strip = GetAttribute(block, "IMG:").empty() ? DrawSideBarText(item, block, hForm_)
                                                      : DrawSideBarBitmap(item, block, ImageSource{imageList_, hForm_});
  if (popup.SideBarBitmap) DeleteObject(popup.SideBarBitmap);
  popup.SideBarBitmap = strip;
  item.Padding =
      static_cast<int16_t>(-12 - (item.RawCaption.find('\t') != std::string::npos ? GetWidthCorrection() : 0));
}

void cMenuItems::UpdateMenuItems(HMENU hMenu) {
  const PopupRecord* popup = GetPanelItem(hMenu);
  if (!popup || !popup->SideBarID || !IsMenu(hMenu)) return;
  MenuItemRecord* bar = Item(popup->SideBarID, hMenu);
  if (!bar) return;
  std::string text = bar->Reserved.empty() ? bar->RawCaption : bar->Reserved;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_ID | MIIM_DATA | MIIM_STATE | MIIM_FTYPE;
  info.fType = MFT_STRING;
  info.fState = (bar->ItemFlags & kDisabled) ? MFS_DISABLED : MFS_ENABLED;
  info.wID = bar->ItemID;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(hMenu);
  info.dwTypeData = text.data();
  if (bar->ItemFlags & kSideBarRemoved)
    bar->ItemFlags &= ~kSideBarRemoved;
  else
    RemoveMenu(hMenu, bar->ItemID, MF_BYCOMMAND);
  if (InsertMenuItemA(hMenu, 0, TRUE, &info) && hForm_) DrawMenuBar(hForm_);
}

void cMenuItems::RestoreMenus() {
  int sequence = 0;
  for (const PopupRecord& popup : popups_) {
    if (!IsMenu(popup.Menu)) continue;
    const int count = GetMenuItemCount(popup.Menu);
    for (int position = 0; position < count; ++position) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_ID;
      if (!GetMenuItemInfoA(popup.Menu, static_cast<UINT>(position), TRUE, &info) || !(info.fType & MFT_OWNERDRAW))
        continue;
      MenuItemRecord* item = Item(info.wID, popup.Menu);
      if (!item) continue;
      // Rewritten in place, so an item keeps its submenu and its place.
      std::string caption = item->Reserved.empty() ? item->RawCaption : item->Reserved;
      info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_STATE;
      info.fType &= ~MFT_OWNERDRAW;
      info.fState =
          ((item->ItemFlags & kChecked) ? MFS_CHECKED : 0) | ((item->ItemFlags & kDisabled) ? MFS_DISABLED : 0);
      info.dwTypeData = caption.data();
      SetMenuItemInfoA(popup.Menu, static_cast<UINT>(position), TRUE, &info);
      // A later conversion reads the item afresh.
      item->RawCaption = std::string("Pendrix\x01\x02\x03") + std::to_string(++sequence);
    }
  }
}

}  // namespace modMenus
