#include "drive_texts.h"

#include "caption_text.h"
#include "control_popup_captions.h"
#include "path_parts.h"

namespace modMenus {
namespace {

// The tip of a mapped drive's entry and item.
constexpr std::string_view kMappedDriveTip = "Network/Mapped Drive";

}  // namespace

std::string DriveTypeText(unsigned driveType) {
  switch (driveType) {
    case 1: return "Drive does not exist";
    case 2: return "Removable Media";
    case 3: return "Fixed Drive";
    case 4: return "Network Drive";
    case 5: return "CD Rom";
    case 6: return "Ram Disk";
    default: return "Unknown Drive Type";
  }
}

std::string NetworkConnectionText(std::string_view remoteName) {
  if (remoteName.empty()) return {};
  const std::string share = StripFile(remoteName, "N");
  std::string server = StripFile(remoteName, "P");
  if (!server.empty() && server.back() == '\\') server.pop_back();
  ReplaceAll(server, "\\\\", "");
  return " " + share + " on '" + server + "'";
}

std::string DriveListEntry(std::string_view root, unsigned driveType, std::string_view connection) {
  const std::string type = DriveTypeText(driveType);
  if (type == "Network Drive") return std::string(root) + std::string(connection) + "|" + std::string(kMappedDriveTip);
  return std::string(root) + "|" + type;
}

std::string DriveItemText(std::string_view shown, std::string_view tip, std::string_view label) {
  const std::string text = ShowAmpersands(label);
  return std::string(shown) + (tip == kMappedDriveTip ? "  (" + text + ")" : " " + text);
}

}  // namespace modMenus
