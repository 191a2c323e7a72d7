// A command chosen in a popup the engine generated: a list panel's choice is reported to the
// host's events object, a list-fed entry is selected in its control. Commands of the host's own
// items are left to the host.
#include "choice_decoding.h"

#include <windows.h>
#include <commdlg.h>

#include "caption_language.h"
#include "control_popups.h"
#include "menu_item_store.h"
#include "os/color_dialog.h"
#include "panel_choice.h"

namespace modMenus {
namespace {

// The colour dialog opened on the panel's current colour, with greys as its custom colours.
std::optional<COLORREF> AskForColor(HWND owner, int32_t initial) {
  os::ColorRequest request;
  request.owner = owner;
  for (int i = 0; i < 16; ++i) {
    const BYTE grey = static_cast<BYTE>(15 * (i + 1));
    request.customColors[static_cast<size_t>(i)] = RGB(grey, grey, grey);
  }
  if (initial > -1) {
    request.flags = CC_RGBINIT | CC_FULLOPEN;
    request.initial = static_cast<COLORREF>(initial);
  } else {
    request.flags = CC_ANYCOLOR | CC_FULLOPEN;
  }
  return os::colorDialog().Choose(request);
}

}  // namespace

bool DecodeMenuChoice(cMenuItems& store, UINT index, HMENU hMenu, LPARAM lParam) {
  if (lParam == 0) {
    auto delegate = store.Delegate(hMenu);
    return delegate && DecodeMenuChoice(*delegate, index, hMenu, 1);
  }
  const MenuItemRecord item = store.GetMenuItem(index, hMenu);
  if (item.ItemID == 0) return false;
  const std::string block = SplitCaption(item.RawCaption).block;
  if (std::optional<PanelChoice> choice = DecodePanelChoice(block)) {
    if (choice->customColor) {
      const std::optional<COLORREF> color = AskForColor(store.Form(), choice->defaultColor);
      if (!color) return false;
      choice->value = static_cast<int32_t>(*color);
    }
    if (const auto& tips = store.ShowTips()) tips->FireItemSelected(choice->userId, choice->category, choice->value);
    return true;
  }
  HWND control = reinterpret_cast<HWND>(static_cast<intptr_t>(item.ControlValue));
  if (item.ControlValue != 0 && IsWindow(control)) SelectControlEntry(item, block);
  return true;
}

}  // namespace modMenus
