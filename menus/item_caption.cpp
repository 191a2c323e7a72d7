#include "item_caption.h"


#include "caption_language.h"
#include "caption_text.h"

namespace modMenus {
namespace {

bool Has(std::string_view block, std::string_view key) { return !GetAttribute(block, key).empty(); }

// "gControl:" carries a window handle as the engine writes it, unsigned and pointer-wide. A
// handle's 32 bits are all it has (on 64 bits it is their sign extension), so one with its top bit
// set comes back whole; any other number beyond 32 bits is held at the end of the range.
int32_t ControlValueOf(std::string_view value) {
  if (const std::optional<uint64_t> number = ParseDigits(value);
      number && (*number <= UINT32_MAX || *number >= 0xFFFFFFFF80000000u))
    return static_cast<int32_t>(static_cast<uint32_t>(*number));
  return LeadingLong(value);
}

void ApplyPayloadKeys(ItemCaption& item) {
  const std::string_view block = item.block;
  if (const std::string v = GetAttribute(block, "gControl:"); !v.empty()) {
    item.generated = true;
    item.controlValue = ControlValueOf(v);
  }
  if (const std::string v = GetAttribute(block, "gType:"); !v.empty())
    item.controlType = LeadingLong(v) & 0xFF;
  if (Has(block, "LColor:")) item.flags |= kColorItem;
  if (Has(block, "LFont:")) item.flags |= kFontItem;
  if (const std::string v = GetAttribute(block, "LState:"); !v.empty()) item.rightText = v;
  if (item.flags & kHasSubmenu) item.rightText.clear();
}

}  // namespace

ItemCaption ParseItemCaption(std::string_view caption, int position, uint16_t itemFlags, std::string_view defaultTip) {
  ItemCaption item;
  const SplitCaptionResult split = SplitCaption(caption);
  item.block = split.block;
  item.displayText = split.visible;
  ReplaceAll(item.displayText, "& ", "&& ");
  item.rightText = split.right;
  item.tip = GetAttribute(item.block, "Tip:");
  if (item.tip.empty()) item.tip = std::string(defaultTip);
  item.flags = itemFlags;

  const bool sideBarKey = Has(item.block, "Sidebar");
  if (sideBarKey && position == 0) {
    item.sideBar = true;
    item.flags = static_cast<uint16_t>((itemFlags & (kDisabled | kChecked)) | kSideBar);
    if (Has(item.block, "SBDisabled")) {
      item.flags |= kDisabled;
      item.disabledState = true;
    }
    item.rightText = "Remeasure";  // the side bar is drawn anew when its popup is measured
    ApplyPayloadKeys(item);
    return item;
  }
  if (sideBarKey) item.displayText.clear();

  if (!item.displayText.empty() && item.displayText.front() == '-')
    item.displayText.erase(0, 1);
  else if (!item.displayText.empty()) {
    if (Has(item.block, "Default")) item.flags |= kDefault;
    if (item.block.empty()) return item;
    if (const std::string hotKey = GetAttribute(item.block, "HotKey:"); !hotKey.empty()) item.rightText = hotKey;
    ApplyPayloadKeys(item);
    return item;
  }
  item.separator = true;
  item.flags = static_cast<uint16_t>((Has(item.block, "Raised") ? kRaised : 0) | kSeparator | kDisabled);
  item.rightText.clear();
  item.disabledState = true;
  return item;
}

}  // namespace modMenus
