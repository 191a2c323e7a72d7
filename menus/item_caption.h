#pragma once
// What one menu item's caption makes of it: the text it shows, its right-hand column, its tip,
// its look flags and the keys other parts of the engine act on. Pure decisions; measuring and
// the menu calls are the item store's.
#include <cstdint>
#include <string>
#include <string_view>

namespace modMenus {

// Flags of an owner-drawn item.
enum ItemFlag : uint16_t {
  kSeparator = 0x2,
  kDisabled = 0x4,
  kChecked = 0x8,
  kDefault = 0x10,
  kRaised = 0x20,
  kSideBar = 0x40,
  kSideBarRemoved = 0x80,
  kHasSubmenu = 0x200,
  kListPanel = 0x400,
  kColorItem = 0x800,
  kFontItem = 0x1000,
};

struct ItemCaption {
  std::string displayText;  // "& " shown as a literal ampersand
  std::string block;        // the attribute block, "" when none
  std::string rightText;
  std::string tip;
  uint16_t flags = 0;
  bool sideBar = false;
  bool separator = false;
  bool disabledState = false;  // the menu item itself is to be disabled
  bool generated = false;      // written by the engine for a panel: no image
  int32_t controlValue = 0;
  int controlType = -1;  // -1: none given
};

// caption as read from the menu; position zero-based; itemFlags the state flags the menu item
// has now (kDisabled, kChecked, kDefault, kHasSubmenu).
ItemCaption ParseItemCaption(std::string_view caption, int position, uint16_t itemFlags, std::string_view defaultTip);

}  // namespace modMenus
