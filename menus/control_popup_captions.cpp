#include "control_popup_captions.h"

#include <cctype>
#include <cstdint>

#include "caption_text.h"
#include "path_parts.h"

namespace modMenus {

std::string ControlPopupPrefix(uintptr_t control, std::string_view folder, int controlType) {
  std::string prefix = "gControl:" + std::to_string(control) + "|LIndex:x";
  if (!folder.empty()) prefix += "|gEXE:" + std::string(folder);
  return prefix + "|gType:" + std::to_string(controlType);
}

std::string ControlEntryCaption(std::string_view text, std::string_view label, std::string_view prefix,
                                std::string_view suffix, int index) {
  std::string caption;
  if (const size_t brace = text.find('{'); brace != std::string_view::npos)
    caption = std::string(text.substr(0, brace + 1)) + std::string(prefix) + "|" + std::string(text.substr(brace + 1));
  else
    caption = std::string(label) + "{" + std::string(prefix) + std::string(suffix) + "}";
  ReplaceAll(caption, "LIndex:x", "LIndex:" + std::to_string(index));
  ReplaceAll(caption, "&", "&&");
  return caption;
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
  bool hasCapital = false;
  for (char c : name) hasCapital = hasCapital || std::isupper(static_cast<unsigned char>(c));
  if (!hasCapital)
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace modMenus
