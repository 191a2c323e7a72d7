#include "control_popup_captions.h"

#include <algorithm>
#include <cstdint>

#include "caption_language.h"
#include "caption_text.h"
#include "path_parts.h"

namespace modMenus {

std::string ControlPopupPrefix(uintptr_t control, std::string_view folder, int controlType) {
  std::string prefix = "gControl:" + std::to_string(control) + "|LIndex:x";
  if (!folder.empty()) prefix += "|gEXE:" + FolderValue(folder);
  return prefix + "|gType:" + std::to_string(controlType);
}

// No path holds "<" or ">"; a path may hold braces, which would end the block.
std::string FolderValue(std::string_view folder) {
  std::string value(folder);
  std::replace(value.begin(), value.end(), '{', '<');
  std::replace(value.begin(), value.end(), '}', '>');
  return value;
}

std::string FolderOfValue(std::string_view value) {
  std::string folder(value);
  std::replace(folder.begin(), folder.end(), '<', '{');
  std::replace(folder.begin(), folder.end(), '>', '}');
  return folder;
}

std::string ControlEntryCaption(std::string_view entry, std::string_view prefix, std::string_view suffix, int index,
                                bool ownBlock) {
  std::string block(prefix);
  if (const size_t at = block.find("LIndex:x"); at != std::string::npos)  // the one of the prefix, not a folder's
    block.replace(at, 8, "LIndex:" + std::to_string(index));
  block += suffix;
  const size_t tab = entry.find('\t');
  const std::string_view head = entry.substr(0, tab);
  std::string shown(head);
  const size_t open = ownBlock ? head.find('{') : std::string_view::npos;
  if (const size_t close = open == std::string_view::npos ? open : head.find('}', open);
      close != std::string_view::npos) {
    shown = std::string(head.substr(0, open)) + std::string(head.substr(close + 1));
    block += "|" + std::string(head.substr(open + 1, close - open - 1));
  }
  std::string caption = CaptionWithBlock(shown, "{" + block + "}");
  // The right-hand column is drawn as it is read.
  if (tab != std::string_view::npos) caption += "\t" + ShowAmpersands(entry.substr(tab + 1));
  return caption;
}

std::string ShowAmpersands(std::string_view text) {
  std::string shown(text);
  ReplaceAll(shown, "&", "&&");
  return shown;
}

std::string EntryTextOf(std::string_view displayText) {
  std::string text(displayText);
  ReplaceAll(text, "&&", "&");
  return text;
}

std::string EmptyControlCaption(std::string_view prefix) {
  return "-No Selections Available{" + std::string(prefix) + "|Raised}";
}

std::string FileItemName(std::string_view fileName) {
  std::string name = StripFile(fileName, "m");
  if (name.empty()) {  // no extension
    const size_t slash = fileName.find_last_of("\\:");
    name = std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
  }
  if (std::none_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; }))
    for (char& c : name) c = UpperAscii(c);
  return name;
}

}  // namespace modMenus
