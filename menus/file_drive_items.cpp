// File items ("gEXE:") and drive items ("LDrv:") of generated popups: their text, image and tip
// from the file system.
#include "file_drive_items.h"

#include <string>

#include "control_popup_captions.h"
#include "drive_texts.h"
#include "engine_utilities.h"
#include "file_drive_info.h"
#include "image_drawing.h"
#include "menu_item_store.h"

namespace modMenus {
namespace {

// No "insert a disk" box from an empty drive while a menu opens.
class QuietDriveErrors {
 public:
  QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
  ~QuietDriveErrors() { SetErrorMode(previous_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  UINT previous_;
};

}  // namespace

void ApplyFileItem(MenuItemRecord& item, std::string_view folder) {
  const std::string fileName = EntryTextOf(item.DisplayText);
  item.ImageKey = GetShortFileName(std::string(folder)) + fileName;
  item.DisplayText = ShowAmpersands(FileItemName(fileName));
  if (std::string description = GetFileDescription(item.ImageKey); !description.empty())
    item.ItemTip = std::move(description);
}

void ApplyDriveItem(MenuItemRecord& item, std::string_view drive) {
  const size_t slash = drive.find('\\');
  const std::string root(drive.substr(0, slash == std::string_view::npos ? drive.size() : slash + 1));
  item.ImageKey = root;
  if (item.ItemTip == "Removable Media") {
    item.ImageKey = ImageKeyOf(GetAssociatedIcon(root));
    item.DisplayText += " Removable";
    return;
  }
  std::string label(255, '\0'), system(55, '\0');
  QuietDriveErrors quiet;
  if (!GetVolumeInformationA(root.c_str(), label.data(), static_cast<DWORD>(label.size()), nullptr, nullptr, nullptr,
                             system.data(), static_cast<DWORD>(system.size())))
    return;
  label = TrimNull(label);
  if (label.empty()) return;
  item.DisplayText = DriveItemText(item.DisplayText, item.ItemTip, label);
}

}  // namespace modMenus
