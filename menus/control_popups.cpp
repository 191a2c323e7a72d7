#include "control_popups.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "caption_language.h"
#include "caption_text.h"
#include "control_popup_captions.h"
#include "controls.h"
#include "file_drive_info.h"
#include "generated_popups.h"
#include "item_caption.h"
#include "menu_item_store.h"
#include "path_parts.h"

namespace modMenus {
namespace {

enum ControlKindCode { kComboBox = 0, kListBox = 1, kMultiSelectList = 2 };

struct ListMessages {
  UINT count, current, length, text;
};

ListMessages MessagesFor(int kind) {
  return kind == kComboBox ? ListMessages{CB_GETCOUNT, CB_GETCURSEL, CB_GETLBTEXTLEN, CB_GETLBTEXT}
                           : ListMessages{LB_GETCOUNT, LB_GETCURSEL, LB_GETTEXTLEN, LB_GETTEXT};
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The text of entry i, without NULs and blanks around it.
std::string EntryText(HWND control, const ListMessages& messages, int i) {
  std::string text = rt::ListItemText(control, messages.length, messages.text, i);
  std::erase(text, '\0');
  return TrimBlanks(text);
}

// A bare file name stands for a file in the current folder.
std::string FullPath(const std::string& text) {
  if (text.find_first_of("\\:") != std::string::npos) return text;
  char folder[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH) return text;
  std::string path(folder, length);
  if (path.back() != '\\') path += '\\';
  return path + text;
}

// Full-path mode: the file's name as label, and where to find it.
void FullPathEntry(const std::string& text, std::string& label, std::string& suffix, bool& timeConsuming) {
  const std::string path = FullPath(text);
  const std::string shortFolder = StripFile(GetShortFileName(path), "P");
  label = StripFile(path, "N");
  if (IsFile(shortFolder + label)) {
    suffix = "|gEXE:" + FolderValue(shortFolder);
    timeConsuming = true;
  } else {
    suffix = "|Pendrix2";
  }
}

}  // namespace

HMENU BuildControlPopup(cMenuItems& store, UINT itemID, int position, HMENU hMenu, int controlType, HWND control,
                        std::string_view block) {
  if (!control || !IsWindow(control)) return nullptr;
  const LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
  const int kind = controlType == kComboBox ? kComboBox : kListBox;
  if (kind == kListBox && (style & LBS_MULTICOLUMN)) return nullptr;
  if (kind == kComboBox && (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))) return nullptr;
  const bool multiple = kind == kListBox && (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  const int type = kind + (multiple ? 1 : 0);
  HMENU popup = ReplaceGeneratedPopup(store, itemID, hMenu, position);
  if (!popup) return nullptr;

  bool fullPath = false, timeConsuming = false;
  std::string folder = kind == kListBox ? GetAttribute(block, "Files:") : std::string();
  if (folder == "-1") {
    fullPath = true;
    folder.clear();
  } else if (!folder.empty()) {
    if (folder.back() != '\\') folder += '\\';
    timeConsuming = IsFolder(folder);
    fullPath = !timeConsuming;
    if (fullPath) folder.clear();
  }
  const std::string prefix = ControlPopupPrefix(reinterpret_cast<uintptr_t>(control), folder, type);
  const ListMessages messages = MessagesFor(kind);
  const int count = static_cast<int>(SendMessageA(control, messages.count, 0, 0));
  const int current = static_cast<int>(SendMessageA(control, messages.current, 0, 0));
  std::vector<PanelItem> items;
  for (int i = 0; i < count; ++i) {
    const std::string text = EntryText(control, messages, i);
    const bool checked = type == kMultiSelectList ? SendMessageA(control, LB_GETSEL, i, 0) > 0 : i == current;
    std::string label = text, suffix;
    if (fullPath) FullPathEntry(text, label, suffix, timeConsuming);
    // A file list's entries are names of files, braces and all.
    const bool fileList = fullPath || !folder.empty();
    items.push_back(PanelItem{ControlEntryCaption(label, prefix, suffix, i, !fileList),
                              kFirstPanelId - static_cast<unsigned>(i), checked, false});
  }
  if (items.empty()) items.push_back(PanelItem{EmptyControlCaption(prefix), kFirstPanelId, false, true});
  AppendPanelItems(popup, items);
  RegisterDelegate(store, popup, timeConsuming, GetAttribute(block, "Tip:"));
  return popup;
}

void SelectControlEntry(const MenuItemRecord& item, std::string_view block) {
  HWND control = reinterpret_cast<HWND>(static_cast<intptr_t>(item.ControlValue));
  const std::string indexText = GetAttribute(block, "LIndex:");
  char* end = nullptr;
  const long index = std::strtol(indexText.c_str(), &end, 10);
  if (indexText.empty() || *end != '\0') return;  // the line of an empty control: no entry to select
  switch (item.ControlType) {
    case kMultiSelectList:
      SendMessageA(control, LB_SETSEL, (item.ItemFlags & kChecked) ? FALSE : TRUE, index);
      break;
    case kListBox:
      SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
      break;
    default:
      SendMessageA(control, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
      break;
  }
  SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), 1),
               reinterpret_cast<LPARAM>(control));
}

}  // namespace modMenus
