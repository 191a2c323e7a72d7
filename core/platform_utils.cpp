#include "platform_utils.h"

#include <shlobj.h>
#include <windows.h>

#include "ascii_text.h"
#include "error_report.h"
#include "scoped_win.h"
#include "text_utils.h"

namespace DozIzevodoz {
namespace {

bool IsSeparator(HMENU menu, int position) {
  MENUITEMINFOA item = {sizeof item};
  item.fMask = MIIM_FTYPE;
  return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item) && (item.fType & MFT_SEPARATOR);
}

int PositionOf(HMENU menu, UINT command) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i)
    if (GetMenuItemID(menu, i) == command) return i;
  return -1;
}

}  // namespace

std::string GetSystemFolderPath(int csidl) {
  std::string result;
  rt::Trap("DozIzevodoz", "GetSystemFolderPath", [&] {
    // The owner argument is reserved; passing none keeps the lookup from loading the tray form.
    LPITEMIDLIST items = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &items) != S_OK || !items) return;
    rt::ScopeExit freeItems([&] { CoTaskMemFree(items); });
    char path[MAX_PATH + 1] = {};
    if (SHGetPathFromIDListA(items, path)) result = rt::TrimBlanks(TrimNull(std::string_view(path, sizeof path)));
  });
  return result;
}

std::string SystemErrorText(unsigned long error) {
  if (error == 0) return "The request failed, and the system gave no reason.";
  char text[1024] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, sizeof text,
                 nullptr);
  std::string message = TrimNull(std::string_view(text, sizeof text));
  message.erase(message.find_last_not_of("\r\n ") + 1);
  return message.empty() ? "Error " + std::to_string(error) : message;
}

void RemoveCloseMenu(rt::Form& form) {
  rt::Trap("DozIzevodoz", "RemoveCloseMenu", [&] {
    HMENU menu = GetSystemMenu(form.hWnd(), FALSE);
    if (!menu) return;
    // By command, not by position: a window menu that others have changed still loses only Close.
    int close = PositionOf(menu, SC_CLOSE);
    if (close < 0) return;
    RemoveMenu(menu, static_cast<UINT>(close), MF_BYPOSITION);
    if (close > 0 && IsSeparator(menu, close - 1)) RemoveMenu(menu, static_cast<UINT>(close - 1), MF_BYPOSITION);
  });
}

}  // namespace DozIzevodoz
