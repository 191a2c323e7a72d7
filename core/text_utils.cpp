#include "text_utils.h"

namespace DozIzevodoz {

std::string TrimNull(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

bool ValidFID(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.find_first_of("?*\"<>|/\\:") != std::string_view::npos) return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

std::string DriveRootOf(std::string_view folder) {
  size_t slash = folder.size() >= 3 ? folder.find('\\', 2) : std::string_view::npos;
  if (slash == std::string_view::npos) return "C:\\";
  return std::string(folder.substr(0, slash + 1));
}

std::string MakeVersionText(int major, int minor, int revision) {
  std::string text = std::to_string(major) + "." + std::to_string(minor);
  if (revision > 0) text += "." + std::to_string(revision);
  return text;
}

}  // namespace DozIzevodoz
