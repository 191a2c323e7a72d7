#include "item_painter.h"

#include <string>

#include "caption_language.h"
#include "image_drawing.h"
#include "item_caption.h"
#include "menu_drawing.h"
#include "menu_fonts.h"
#include "menu_item_store.h"
#include "scoped_win.h"

namespace modMenus {
namespace {

struct ItemLook {
  bool separator, disabled, checked, bold, raised, sideBar, colorItem, fontItem;
  bool selected, hot, systemCommand;
};

bool IsSystemCommand(UINT id) {
  const int16_t command = static_cast<int16_t>(LOWORD(id));
  return command == -4064 || command == -4048 || command == -4000 || command == -3808;
}

void Text(HDC dc, const std::string& text, RECT r, UINT format) {
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

void DrawSideBarItem(const DRAWITEMSTRUCT& d, const MenuItemRecord& item, const PopupRecord& popup,
                     const ItemLook& look) {
  if (!popup.SideBarBitmap || !(!look.disabled || (d.itemAction & 1))) return;
  const RECT& r = d.rcItem;
  rt::UniqueMemoryDc source(CreateCompatibleDC(d.hDC));
  HGDIOBJ old = SelectObject(source.get(), popup.SideBarBitmap);
  if (!look.selected || look.disabled) {
    BitBlt(d.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, source.get(), 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(d.hDC, COLORONCOLOR);
    StretchBlt(d.hDC, r.left + 2, r.top + 2, r.right - r.left - 4, r.bottom - r.top - 4, source.get(), 0, 0, item.Width,
               item.Height, SRCCOPY);
    DrawEdge3D(d.hDC, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, false, false);
  }
  SelectObject(source.get(), old);
  if (look.disabled) return;
  DrawEdge3D(d.hDC, r.left, r.top, r.right, r.bottom - 1, look.selected, false);
}

void DrawSeparator(HDC dc, const RECT& item, const RECT& text, const MenuItemRecord& record, const ItemLook& look) {
  const int y = item.top + (item.bottom - item.top) / 2 + 1;
  if (record.DisplayText.empty()) {
    SelectFontSlot font(1, dc);
    DrawEdge3D(dc, item.left + 2, y, item.right - 2, y, true, look.raised, true);
    return;
  }
  SelectFontSlot font(3, dc);
  DrawTool color(dc, ToolKind::TextColor, static_cast<int32_t>(Colors().separatorText));
  RECT caption{item.left, item.top + 1, item.right, item.bottom + 1};
  DrawTextA(dc, record.DisplayText.c_str(), -1, &caption,
            DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  const int width = caption.right - caption.left;
  caption.left = text.left + (text.right - text.left - width) / 2;
  caption.right = caption.left + width;
  caption.top = item.top + 1;
  caption.bottom = item.bottom + 1;
  Text(dc, record.DisplayText, caption, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER);
  DrawEdge3D(dc, text.left, y, caption.left - 3, y, true, look.raised, true);
  DrawEdge3D(dc, caption.right + 3, y, text.right, y, true, look.raised, true);
}

// A checked item's cell is filled on every repaint, over its picture.
bool FillsImageCell(const ItemLook& look) { return look.checked && !look.disabled; }

void DrawImageCell(HDC dc, const RECT& r, const ItemLook& look, bool keyboardSelect) {
  if (FillsImageCell(look))
    DrawBox(dc, r.left + 1, r.top + 1, r.left + 19, r.bottom - 2, static_cast<int32_t>(Colors().light3D));
  if (look.disabled && look.selected && !keyboardSelect) return;
  const bool shown = look.checked || look.selected;
  DrawEdge3D(dc, r.left, r.top, r.left + 19, r.bottom - 2, shown, look.checked && !look.selected);
}

void DrawCheck(HDC dc, const RECT& item, RECT text, const PopupRecord& popup, const ItemLook& look) {
  const EngineColors& c = Colors();
  int32_t color = static_cast<int32_t>(c.menuText), shadow = -1;
  if (popup.HasImages || popup.HasSystemItems) {
    if (look.disabled) {
      OffsetRect(&text, 0, 1);
      color = static_cast<int32_t>(c.disabledLight);
      shadow = static_cast<int32_t>(c.disabledText);
    }
  } else if (!look.disabled) {
    color = static_cast<int32_t>(look.selected ? c.highlightText : c.menuText);
  } else if (look.hot && look.selected) {
    color = static_cast<int32_t>(c.disabledText);
  } else {
    OffsetRect(&text, 0, 1);
    color = static_cast<int32_t>(c.disabledLight);
    shadow = static_cast<int32_t>(c.disabledText);
  }
  DrawCheckGlyph(dc, text, item.left, false, color, shadow);
}

void DrawCaption(HDC dc, const RECT& item, RECT text, const MenuItemRecord& record, const ItemLook& look) {
  const EngineColors& c = Colors();
  text.left = item.left + 23;
  SelectFontSlot font(look.bold ? 2 : 1, dc);
  COLORREF color = c.menuText;
  const bool embossed = look.disabled && !(look.hot && look.selected);
  if (look.disabled) {
    color = embossed ? c.disabledLight : c.disabledText;
    if (embossed) OffsetRect(&text, 1, 1);
  } else if (look.selected) {
    color = c.highlightText;
  }
  auto pass = [&](RECT r, COLORREF textColor, int rightInset) {
    SetTextColor(dc, textColor);
    Text(dc, record.DisplayText, r, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER);
    if (record.RightText.empty()) return;
    r.right = item.right - rightInset;
    if (look.fontItem) {
      SetMenuFonts(true, false, FontOfItem(record.RawCaption));
      SelectFontSlot face(6, dc);
      Text(dc, record.RightText, r, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    } else {
      Text(dc, record.RightText, r, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
  };
  pass(text, color, 15);
  if (embossed) {
    OffsetRect(&text, -1, -1);
    pass(text, c.disabledText, 16);
  }
}

void DrawSwatch(HDC dc, const RECT& r, const MenuItemRecord& record) {
  const size_t brace = record.RawCaption.find('{');
  if (brace == std::string::npos) return;
  const std::string value = GetAttribute(std::string_view(record.RawCaption).substr(brace), "LColor:");
  char* end = nullptr;
  const long color = std::strtol(value.c_str(), &end, 10);
  if (value.empty() || *end || color == -1) return;
  DrawBox(dc, r.right - 35, r.top + 2, r.right - 5, r.bottom - 2, static_cast<int32_t>(color), 0);
}

}  // namespace

bool MeasureMenuItem(const cMenuItems& store, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  const MenuItemRecord item = store.GetMenuItem(measure.itemID, reinterpret_cast<HMENU>(measure.itemData));
  measure.itemWidth = static_cast<UINT>(std::max(0, item.Width + item.Padding));
  measure.itemHeight = static_cast<UINT>(std::max(0, item.Height));
  return true;
}

bool DrawMenuItem(const cMenuItems& store, const DRAWITEMSTRUCT& d, bool keyboardSelect) {
  if (d.CtlType != ODT_MENU) return false;
  const MenuItemRecord item = store.GetMenuItem(d.itemID, reinterpret_cast<HMENU>(d.itemData));
  const PopupRecord* found = store.GetPanelItem(reinterpret_cast<HMENU>(d.hwndItem));
  const PopupRecord popup = found ? *found : PopupRecord{};
  const uint16_t f = item.ItemFlags;
  ItemLook look{(f & kSeparator) != 0,
                (f & kDisabled) != 0,
                (f & kChecked) != 0,
                (f & kDefault) != 0,
                (f & kRaised) != 0,
                (f & kSideBar) != 0,
                (f & kColorItem) != 0,
                (f & kFontItem) != 0,
                (d.itemState & ODS_SELECTED) != 0,
                keyboardSelect || popup.HasSystemItems,
                IsSystemCommand(d.itemID)};
  if (look.separator && d.itemAction >= ODA_SELECT) return true;  // separators do not change with the highlight
  HDC dc = d.hDC;
  const int savedDc = SaveDC(dc);
  if (look.sideBar) {
    DrawSideBarItem(d, item, popup, look);
    RestoreDC(dc, savedDc);
    return true;
  }
  const COLORREF back = look.selected && !look.separator ? Colors().highlight : GetSysColor(COLOR_MENU);
  SetBkMode(dc, TRANSPARENT);
  RECT text = d.rcItem;
  text.left += 21;
  const bool imageColumn = look.systemCommand || (popup.HasImages && (!item.ImageKey.empty() || look.checked));
  if (!imageColumn) text.left = d.rcItem.left;
  if (look.colorItem && item.RawCaption.find("LColor:-1") == std::string::npos) text.right -= 38;
  // Disabled items, separators among them, keep the menu's own background unless the hot look
  // highlights them.
  if (!look.disabled || look.hot)
    DrawBox(dc, text.left, text.top, text.right, text.bottom - 1, static_cast<int32_t>(back));
  if (look.separator) {
    DrawSeparator(dc, d.rcItem, text, item, look);
    RestoreDC(dc, savedDc);
    return true;
  }
  if (!item.ImageKey.empty() || (look.checked && popup.HasImages)) DrawImageCell(dc, d.rcItem, look, keyboardSelect);
  if (item.ImageKey.empty() && !look.systemCommand && look.checked) DrawCheck(dc, d.rcItem, text, popup, look);
  DrawCaption(dc, d.rcItem, text, item, look);
  if (!item.ImageKey.empty()) {
    // The highlight leaves a picture where it is, except where the cell was filled again.
    if (d.itemAction == ODA_DRAWENTIRE || FillsImageCell(look)) {
      const RECT at{d.rcItem.left + 2, d.rcItem.top + (d.rcItem.bottom - d.rcItem.top - 16) / 2, 0, 0};
      DrawImage(dc, item.ImageKey, at, look.disabled, true, item.ImageBackground ? 1 : 0, 0, 0, 16, 16);
    }
  } else if (look.systemCommand) {
    DrawCaptionGlyph(dc, d.rcItem, d.itemID, look.disabled, look.selected);
  }
  if (look.colorItem && (d.itemAction & 1)) DrawSwatch(dc, d.rcItem, item);
  RestoreDC(dc, savedDc);
  return true;
}

}  // namespace modMenus
