#pragma once
// The side bar's picture: the strip down the left of a popup, drawn before the popup shows, with
// lines of text turned 90 degrees on a plain or gradient background, or with a picture.
#include <windows.h>

#include <string>

#include "item_images.h"

namespace modMenus {

struct MenuItemRecord;

// The strip for the side-bar item: its height is item.Height; its width is written to
// item.Width. The caller owns the bitmap.
HBITMAP DrawSideBarText(MenuItemRecord& item, const std::string& block, HWND form);
// A picture strip; without a picture, the default text side bar.
HBITMAP DrawSideBarBitmap(MenuItemRecord& item, const std::string& block, const ImageSource& source);

}  // namespace modMenus
